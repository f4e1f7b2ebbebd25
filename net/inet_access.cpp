#include "net/inet_access.h"

#include "net/codepage.h"
#include "net/curl_transfer.h"
#include "net/header_lines.h"
#include "net/http_access.h"
#include "net/text.h"

#include <cstdlib>
#include <strings.h>

namespace pelizo {
namespace {

const char* const kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; MV8QX; .NET CLR 2.0.50727; "
                                  ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";
// The raw header query's buffer holds 5,000 characters, terminator included.
constexpr size_t kRawHeaderBuffer = 5000;
// The Internet API's own default time-outs.
constexpr long kDefaultTimeoutMs = 60000;

std::string lower(std::string s)
{
    for (auto& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool isSecure(const std::string& url) { return lower(url.substr(0, 5)) == "https"; }

} // namespace

std::string headerValue(const std::string& text)
{
    const auto colon = text.find(':');
    return colon == std::string::npos ? std::string() : trimBlanks(text.substr(colon + 1));
}

std::string urlHost(const std::string& address, bool lastTwoLabels, bool keepPort)
{
    std::string text = lower(address);
    if (text.empty() || text.back() != '/')
        text += '/';
    std::string prefix = "https://";
    if (text.rfind("https://", 0) != 0) {
        prefix = "http://";
        if (text.find("http://") == std::string::npos)
            text = "http://" + text;
    }
    std::string host = textBetweenAnyCase(text, prefix, "/");
    if (lastTwoLabels) {
        const auto last = host.rfind('.');
        if (last != std::string::npos && last > 0) {
            const auto before = host.rfind('.', last - 1);
            if (before != std::string::npos)
                host = host.substr(before + 1);
        }
    }
    if (!keepPort)
        host = host.substr(0, host.find(':'));
    return host;
}

int urlPort(const std::string& address)
{
    const std::string host = urlHost(address, false, true);
    const auto colon = host.rfind(':');
    if (colon != std::string::npos)
        return std::atoi(host.c_str() + colon + 1);
    return isSecure(address) ? 443 : 80;
}

std::string urlPath(const std::string& address)
{
    const std::string host = urlHost(address);
    long from = 1;
    if (findText(address, "https://", 1, true) == 1)
        from = 9;
    else if (findText(address, "http://", 1, true) == 1)
        from = 8;
    const long at = findText(address, host, from, true);
    const long slash = at == -1 ? -1 : findText(address, "/", at);
    return slash == -1 ? std::string("/") : address.substr(static_cast<size_t>(slash - 1));
}

std::string convertCharset(const std::string& bytes, std::string* fromCharset, std::string* toCharset,
                           std::optional<long> startPosition)
{
    std::string from = fromCharset ? *fromCharset : std::string();
    std::string to = toCharset ? *toCharset : std::string();
    if (from.empty())
        from = "UTF-8";
    if (to.empty())
        to = "GBK";
    if (fromCharset)
        *fromCharset = from;
    if (toCharset)
        *toCharset = to;

    std::string input = bytes;
    if (strcasecmp(from.c_str(), "UTF-8") == 0 && input.rfind("\xEF\xBB\xBF", 0) == 0)
        input.erase(0, 3); // the text stream reads past a byte-order mark
    bool ok = false;
    // The text passes through code page 936 on its way, as the stream's text does.
    const std::string text = convertEncoding(input, from, "CP936", &ok);
    if (!ok)
        return bytes;
    std::string out = convertEncoding(text, "CP936", to, &ok);
    if (!ok)
        return bytes;
    if (strcasecmp(to.c_str(), "UTF-8") == 0)
        out.insert(0, "\xEF\xBB\xBF"); // written text starts with a byte-order mark
    if (startPosition && *startPosition > 0)
        out.erase(0, std::min(out.size(), static_cast<size_t>(*startPosition)));
    return out;
}

std::string InetAccess(const std::string& url, const InetAccessArgs& args)
{
    std::string headers = args.headers ? *args.headers : std::string();

    std::string agent = kDefaultAgent;
    if (findText(headers, "User-Agent:", 1, true) != -1) {
        agent = trimBlanks(textBetweenAnyCase(headers, "User-Agent:", "\r\n"));
        if (agent.empty())
            agent = headerValue(headers);
    }

    const std::string host = urlHost(url);
    if (host.empty())
        return {}; // no connection: nothing written

    const bool secure = isSecure(url);
    const std::string path = urlPath(url);

    // The header block is extended in place, as the caller will see it.
    if (findText(headers, "Referer:") == -1)
        headers += (headers.empty() ? "Referer: " : "\r\nReferer: ") + url;
    if (findText(headers, "Accept:") == -1)
        headers += "\r\nAccept: */*";
    if (findText(headers, "Accept-Language:") == -1)
        headers += "\r\nAccept-Language: zh-cn";
    if (findText(headers, "Content-Type:") == -1)
        headers += "\r\nContent-Type: application/x-www-form-urlencoded";
    if (args.cookies && !args.cookies->empty())
        headers += "\r\nCookie: " + *args.cookies;
    if (args.headers)
        *args.headers = headers;

    TransferRequest request;
    request.url = wireAddress((secure ? "https://" : "http://") + host + ":" + std::to_string(urlPort(url)) + path);
    request.verb = args.method == 1 ? "POST" : "GET";
    if (args.method != 0) {
        std::string body = args.postBytes ? *args.postBytes : std::string();
        if (body.empty())
            body = args.postText;
        if (args.postBytes)
            *args.postBytes = body;
        request.body = body;
        request.sendBody = true;
    }
    request.headerLines = splitHeaderLines(headers);
    if (findText(headers, "User-Agent:", 1, true) == -1)
        request.userAgent = agent;
    request.followRedirects = !args.noRedirect;
    request.cookies = args.cookies ? TransferRequest::Cookies::Off : TransferRequest::Cookies::ProcessStore;
    request.timeoutMs = kDefaultTimeoutMs;
    // The proxy is named for http requests only.
    request.useProxy = args.proxy.has_value() && !secure;
    request.proxy = args.proxy.value_or(std::string());

    const TransferResult response = runTransfer(request);
    std::string body = response.body;
    const std::string raw = response.rawHeaders.size() < kRawHeaderBuffer ? response.rawHeaders : std::string();
    if (args.rawHeaders)
        *args.rawHeaders = raw;

    std::string location = args.location ? *args.location : std::string();
    std::string returned;
    for (const auto& line : splitHeaderLines(raw)) {
        if (line.find("Location:") != std::string::npos)
            location = headerValue(line);
        if (line.find("Set-Cookie") != std::string::npos)
            returned += trimBlanks(textBetweenAnyCase(line, "Set-Cookie:", ";")) + "; ";
    }
    if (returned.size() >= 2)
        returned.resize(returned.size() - 2);
    if (args.cookies)
        mergeCookies(*args.cookies, returned);
    if (args.returnedCookies)
        *args.returnedCookies = returned;
    if (location.empty())
        location = raw;
    if (args.location)
        *args.location = location;

    // Plain byte searches: the body is not code page 936 text yet.
    const auto utf8At = body.find("utf-8");
    if ((utf8At != std::string::npos && utf8At + 1 < 500) || lower(raw).find("utf-8") != std::string::npos)
        body = convertCharset(body);
    return body.substr(0, body.find('\0'));
}

} // namespace pelizo
