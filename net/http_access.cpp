#include "net/http_access.h"

#include "net/codepage.h"
#include "net/curl_transfer.h"
#include "net/header_lines.h"
#include "net/regex_object.h"
#include "net/text.h"

#include <curl/curl.h>

namespace pelizo {
namespace {

const char* const kError701 = "701 解析URL地址失败!";
const char* const kError711 = "711 发送请求失败!";
const char* const kError712 = "712 服务器未响应!";
const char* const kError713 = "713 读取数据失败!";

struct CrackedUrl {
    bool secure = false;
};

// Splits the address the way the system URL cracker does: a scheme of http
// or https, a host, an optional numeric port. False when it cannot.
bool crackUrl(const std::string& address, CrackedUrl& out)
{
    const auto schemeEnd = address.find("://");
    if (schemeEnd == std::string::npos)
        return false;
    std::string scheme = address.substr(0, schemeEnd);
    for (auto& c : scheme)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (scheme != "http" && scheme != "https")
        return false;
    out.secure = scheme == "https";
    const auto hostStart = schemeEnd + 3;
    const auto hostEnd = address.find_first_of("/?#", hostStart);
    std::string authority = address.substr(hostStart, hostEnd == std::string::npos ? std::string::npos
                                                                                    : hostEnd - hostStart);
    const auto at = authority.rfind('@');
    if (at != std::string::npos)
        authority.erase(0, at + 1);
    const auto colon = authority.rfind(':');
    std::string host = authority.substr(0, colon);
    if (host.empty())
        return false;
    if (colon != std::string::npos) {
        const std::string port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos
            || std::stol(port) > 65535)
            return false;
    }
    return true;
}

const char* verbFor(int method)
{
    switch (method) {
    case 1:
        return "POST";
    case 2:
        return "HEAD";
    case 3:
        return "PUT";
    default:
        return "GET";
    }
}

std::string buildHeaderBlock(const HttpAccessArgs& args)
{
    std::string block = args.extraHeaders.empty() ? std::string() : args.extraHeaders + "\r\n";
    struct Default {
        const char* key;
        bool anyCase;
        const char* line;
    };
    static const Default defaults[] = {
        {"User-Agent: ", true, "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)"},
        {"Accept: ", true, "Accept: text/html, application/xhtml+xml, */*"},
        {"Accept-Encoding: ", true, "Accept-Encoding: gbk, GB2312"},
        {"Accept-Language: ", true, "Accept-Language: zh-cn"},
        {"Content-Type:", false, "Content-Type: application/x-www-form-urlencoded"},
        {"Cache-Control: ", true, "Cache-Control: no-cache"},
    };
    for (const auto& d : defaults)
        if (findText(block, d.key, 1, d.anyCase) == -1)
            block += std::string(d.line) + "\r\n";
    if (args.cookies && !args.cookies->empty() && findText(block, "Cookie: ", 1, true) == -1)
        block += "Cookie: " + *args.cookies + "\r\n";
    return block;
}

void fail(const HttpAccessArgs& args, const char* text)
{
    if (args.errorText)
        *args.errorText = text;
    pumpMessages();
}

std::string declaredCharset(const std::string& text)
{
    RegexObject regex;
    if (!regex.create("<meta.+?charset=[^\\w]?([-\\w]+)", midText(text, 1, 1024)) || regex.matchCount() == 0)
        return {};
    return regex.subMatchText(1, 1);
}

} // namespace

std::string HttpAccess(const std::string& address, const HttpAccessArgs& args)
{
    CrackedUrl cracked;
    if (!crackUrl(address, cracked)) {
        fail(args, kError701);
        return {};
    }

    TransferRequest request;
    request.url = wireAddress(address);
    request.verb = verbFor(args.method);
    request.body = args.body;
    request.sendBody = !args.body.empty() || args.method == 1 || args.method == 3;
    request.headerLines = mergeHeaderLinesReplacing(splitHeaderLines(buildHeaderBlock(args)));
    request.followRedirects = !args.noRedirect;
    request.cookies = args.cookies ? TransferRequest::Cookies::PerCall : TransferRequest::Cookies::Off;
    request.timeoutMs = args.timeoutSeconds > 0 ? args.timeoutSeconds * 1000L : 30000L;
    if (!args.serverUser.empty() && !args.serverPassword.empty()) {
        request.serverUser = args.serverUser;
        request.serverPassword = args.serverPassword;
    }
    request.useProxy = !args.proxy.empty();
    request.proxy = args.proxy;
    if (!args.proxyUser.empty() && !args.proxyPassword.empty()) {
        request.proxyUser = args.proxyUser;
        request.proxyPassword = args.proxyPassword;
    }

    const TransferResult response = runTransfer(request);
    if (response.curlCode == CURLE_URL_MALFORMAT || response.curlCode == CURLE_UNSUPPORTED_PROTOCOL) {
        fail(args, kError701);
        return {};
    }
    if (response.curlCode != CURLE_OK || response.bodyTooLarge) {
        if (!response.finalHeadersSeen) {
            fail(args, response.requestSent ? kError712 : kError711);
            return {};
        }
        fail(args, kError713); // the part read so far is still used
    }
    if (response.rawHeaders.empty())
        return {};

    const std::string headers = replaceText(response.rawHeaders, "set-cookie", "Set-Cookie", 1, -1, false);
    if (args.responseHeaders)
        *args.responseHeaders = headers;
    if (args.errorText)
        *args.errorText = midText(response.statusLine(), 10, static_cast<long>(response.statusLine().size()));

    std::string received;
    for (const auto& line : splitHeaderLines(headers)) {
        if (line.find("Set-Cookie") != std::string::npos) {
            std::string cookie = line.find(';') == std::string::npos ? replaceText(line, "Set-Cookie:", "", 1, -1, true)
                                                                     : textBetween(line, "Set-Cookie:", ";");
            received += trimBlanks(cookie) + "; ";
        }
        if (args.location && line.size() >= 10 && findText(line.substr(0, 10), "Location: ", 1, true) == 1)
            *args.location = line.substr(10);
    }
    if (received.size() >= 2)
        received.resize(received.size() - 2);
    if (args.mergeCookies && args.cookies)
        received = mergeCookies(*args.cookies, received);
    if (args.receivedCookies)
        *args.receivedCookies = received;
    if (args.responseBody)
        *args.responseBody = response.body;

    std::string result = response.body.substr(0, response.body.find('\0'));
    const std::string charset = declaredCharset(result);
    if (!charset.empty() && charset != "gbk" && charset != "gb2312") {
        bool converted = false;
        std::string text = convertEncoding(result, charset, "CP936", &converted);
        if (converted)
            result = std::move(text);
    }
    pumpMessages();
    return result;
}

std::string mergeCookies(std::string& cookieText, std::string& received)
{
    const auto removeBlanks = [](const std::string& s) {
        return replaceText(replaceText(s, " ", "", 1, -1, true), "\xA1\xA1", "", 1, -1, true);
    };
    const auto splitParts = [](const std::string& s) {
        std::vector<std::string> parts;
        size_t from = 0;
        while (from < s.size()) {
            const auto semicolon = s.find(';', from);
            if (semicolon == std::string::npos) {
                parts.push_back(s.substr(from));
                break;
            }
            parts.push_back(s.substr(from, semicolon - from));
            from = semicolon + 1;
        }
        return parts;
    };
    const auto nameOf = [](const std::string& part) {
        const auto eq = part.find('=');
        return eq == std::string::npos ? part : trimBlanks(part.substr(0, eq));
    };

    cookieText = removeBlanks(cookieText);
    received = removeBlanks(received);

    std::vector<std::string> merged = splitParts(received);
    for (const auto& old : splitParts(cookieText)) {
        bool present = false;
        for (const auto& part : merged)
            present = present || nameOf(part) == nameOf(old);
        if (!present)
            merged.push_back(old);
    }
    std::vector<std::string> kept;
    for (const auto& part : merged) {
        const bool deleted = part.size() >= 8 && part.compare(part.size() - 8, 8, "=deleted") == 0;
        bool repeat = false;
        for (const auto& k : kept)
            repeat = repeat || k == part;
        if (!deleted && !repeat)
            kept.push_back(part);
    }
    std::string result;
    for (size_t i = 0; i < kept.size(); ++i)
        result += (i ? "; " : "") + kept[i];
    cookieText = result;
    return result;
}

} // namespace pelizo
