#include "net/download.h"

#include "net/curl_transfer.h"

#include <cstdlib>

namespace pelizo {

std::string downloadBytes(const std::string& url)
{
    if (url.rfind("http://", 0) != 0 && url.rfind("https://", 0) != 0)
        return {};
    TransferRequest request;
    request.url = wireAddress(url);
    request.verb = "GET";
    request.timeoutMs = 30000;
    request.maxBodyBytes = 16u * 1024u * 1024u; // no poster is that large
    TransferResult result = runTransfer(request);
    const std::string status = result.statusLine();
    const int code = status.size() > 9 ? std::atoi(status.c_str() + 9) : 0;
    if (result.curlCode != 0 || result.bodyTooLarge || code < 200 || code > 299)
        return {};
    return std::move(result.body);
}

} // namespace pelizo
