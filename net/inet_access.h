// The second web access client: a self-contained GET/POST with its own
// defaults, used by the version check. It reports no errors: a failure is an
// empty result.
#pragma once

#include <optional>
#include <string>

namespace pelizo {

// Arguments 2 to 11. A null pointer or an empty optional is an omitted
// argument; for `cookies` and `proxy` that differs from an empty text.
struct InetAccessArgs {
    int method = 0;                           // 1 POST, anything else GET; not 0 sends a body
    std::string postText;
    std::string* cookies = nullptr;           // in/out cookie store
    std::string* returnedCookies = nullptr;   // out
    std::string* headers = nullptr;           // in/out: on return the whole block that was sent
    std::string* location = nullptr;          // in/out
    bool noRedirect = false;
    std::string* postBytes = nullptr;         // in/out request body
    std::optional<std::string> proxy;         // host:port, used for http requests
    std::string* rawHeaders = nullptr;        // out
};

std::string InetAccess(const std::string& url, const InetAccessArgs& args = {});

std::string urlHost(const std::string& address, bool lastTwoLabels = false, bool keepPort = false);
int urlPort(const std::string& address);
std::string urlPath(const std::string& address);
std::string headerValue(const std::string& text);

// Re-encodes bytes through text in code page 936. Empty charset arguments are
// replaced by their defaults in the caller's variables. An unknown charset
// gives the bytes back unchanged.
std::string convertCharset(const std::string& bytes, std::string* fromCharset = nullptr,
                           std::string* toCharset = nullptr, std::optional<long> startPosition = std::nullopt);

} // namespace pelizo
