// The main web access client: one complete HTTP exchange with fixed default
// headers, cookie collection, redirect target and charset re-decoding.
#pragma once

#include <string>

namespace pelizo {

// Arguments 2 to 18 of the client. A null pointer is an omitted argument; for
// `cookies` that differs from an empty text (see below).
struct HttpAccessArgs {
    int method = 0;                          // 0 GET, 1 POST, 2 HEAD, 3 PUT, other GET
    std::string body;                        // sent with any method
    std::string* cookies = nullptr;          // in/out; given (even empty) turns the cookie engine on
    std::string* receivedCookies = nullptr;  // out
    std::string extraHeaders;                // CR LF separated lines, never modified
    std::string* responseHeaders = nullptr;  // out: raw headers of the final response
    bool noRedirect = false;
    std::string serverUser;
    std::string serverPassword;
    std::string proxy;                       // host:port
    std::string proxyUser;
    std::string proxyPassword;
    int timeoutSeconds = 0;                  // 0 or less: 30 seconds
    std::string* location = nullptr;         // out: a "Location: " header's value
    std::string* errorText = nullptr;        // out: numbered error, or the status text
    std::string* responseBody = nullptr;     // out: the raw body bytes
    bool mergeCookies = true;
};

// Returns the body as code-page-936 text; empty on a failure before the
// response headers were read.
std::string HttpAccess(const std::string& address, const HttpAccessArgs& args = {});

// Merges newly received cookies into a cookie text: a received cookie
// replaces an old one of the same name, "=deleted" ones go. Stores the result
// into `cookieText` and returns it; `received` is left without blanks.
std::string mergeCookies(std::string& cookieText, std::string& received);

} // namespace pelizo
