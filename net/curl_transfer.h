// The libcurl plumbing under both web access clients: one easy handle per
// exchange, the request exactly as the caller composed it, and the parts of
// the final response that the clients read back.
#pragma once

#include <string>
#include <vector>

namespace pelizo {

struct TransferRequest {
    std::string url;       // already in wire form (see wireAddress)
    std::string verb;      // "GET", "POST", "HEAD", "PUT"
    std::string body;      // sent when sendBody is true
    bool sendBody = false;
    std::vector<std::string> headerLines; // sent as given, in order
    std::string userAgent;                // empty: no User-Agent unless a header line has one
    bool followRedirects = true;
    enum class Cookies { Off, PerCall, ProcessStore } cookies = Cookies::Off;
    long timeoutMs = 0; // connect and per-receive idle time-out; 0: libcurl's defaults
    std::string serverUser, serverPassword;
    bool useProxy = false;
    std::string proxy; // host:port; an empty one means no proxy after all
    std::string proxyUser, proxyPassword;
    size_t maxBodyBytes = 64u * 1024u * 1024u;
};

struct TransferResult {
    int curlCode = 0;
    bool connected = false;         // the connection stood
    bool requestSent = false;       // the request headers went out
    bool finalHeadersSeen = false;  // the last response's header block was complete
    bool bodyTooLarge = false;
    bool timedOut = false;
    std::string rawHeaders; // header block of the last response, status line first, CR LF lines
    std::string body;
    std::string statusLine() const;
};

TransferResult runTransfer(const TransferRequest& request);

// An address as it travels: code page 936 converted to UTF-8, with bytes of
// 0x80 and above, blanks and control characters percent-encoded; existing
// "%" escapes are kept.
std::string wireAddress(const std::string& gbkAddress);

} // namespace pelizo
