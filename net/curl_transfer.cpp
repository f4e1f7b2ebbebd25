#include "net/curl_transfer.h"

#include "net/codepage.h"

#include <chrono>
#include <cstring>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace pelizo {
namespace {

using Clock = std::chrono::steady_clock;

void initialiseCurlOnce()
{
    static const bool initialised = [] { return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }();
    (void)initialised;
}

struct EasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// The process-wide cookie store that a client may opt into, shared between
// easy handles of any thread.
class CookieShare {
public:
    static CURLSH* get()
    {
        static CookieShare instance;
        return instance.share_;
    }

private:
    CookieShare() : share_(curl_share_init())
    {
        curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, lock);
        curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, unlock);
        curl_share_setopt(share_, CURLSHOPT_USERDATA, this);
        curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    }
    ~CookieShare() { curl_share_cleanup(share_); }
    static void lock(CURL*, curl_lock_data, curl_lock_access, void* self)
    {
        static_cast<CookieShare*>(self)->mutex_.lock();
    }
    static void unlock(CURL*, curl_lock_data, void* self) { static_cast<CookieShare*>(self)->mutex_.unlock(); }

    std::mutex mutex_;
    CURLSH* share_;
};

struct TransferState {
    const TransferRequest* request = nullptr;
    TransferResult* result = nullptr;
    Clock::time_point lastActivity = Clock::now();
    curl_off_t lastDown = 0;
    curl_off_t lastUp = 0;
    int currentStatus = 0;
    bool sawLocation = false;
};

bool startsWithNoCase(const std::string& text, const char* prefix)
{
    const size_t n = std::strlen(prefix);
    return text.size() >= n && strncasecmp(text.c_str(), prefix, n) == 0;
}

bool hasHeader(const std::vector<std::string>& lines, const char* nameWithColon)
{
    for (const auto& line : lines)
        if (startsWithNoCase(line, nameWithColon))
            return true;
    return false;
}

size_t onHeader(char* data, size_t size, size_t count, void* user)
{
    auto* state = static_cast<TransferState*>(user);
    const size_t length = size * count;
    std::string line(data, length);
    state->lastActivity = Clock::now();
    if (line.rfind("HTTP/", 0) == 0) {
        // A new response (1xx, a redirect, a proxy's answer): keep only the last.
        state->result->rawHeaders.clear();
        state->result->finalHeadersSeen = false;
        state->sawLocation = false;
        state->currentStatus = line.size() > 12 ? std::atoi(line.c_str() + 9) : 0;
    }
    state->result->rawHeaders += line;
    if (startsWithNoCase(line, "Location:"))
        state->sawLocation = true;
    if (line == "\r\n" || line == "\n") {
        const bool informational = state->currentStatus >= 100 && state->currentStatus < 200;
        const bool redirectFollowed = state->request->followRedirects && state->currentStatus >= 300
            && state->currentStatus < 400 && state->sawLocation;
        if (!informational && !redirectFollowed)
            state->result->finalHeadersSeen = true;
    }
    return length;
}

size_t onBody(char* data, size_t size, size_t count, void* user)
{
    auto* state = static_cast<TransferState*>(user);
    const size_t length = size * count;
    auto& body = state->result->body;
    if (body.size() + length > state->request->maxBodyBytes) {
        body.append(data, state->request->maxBodyBytes - body.size());
        state->result->bodyTooLarge = true;
        return 0; // stops the transfer
    }
    body.append(data, length);
    return length;
}

int onDebug(CURL*, curl_infotype type, char*, size_t, void* user)
{
    auto* state = static_cast<TransferState*>(user);
    if (type == CURLINFO_HEADER_OUT) {
        state->result->connected = true;
        state->result->requestSent = true;
        state->lastActivity = Clock::now();
    }
    return 0;
}

// Per-receive time-out: no byte moved for the whole period ends the exchange.
int onProgress(void* user, curl_off_t, curl_off_t down, curl_off_t, curl_off_t up)
{
    auto* state = static_cast<TransferState*>(user);
    const auto now = Clock::now();
    if (down != state->lastDown || up != state->lastUp) {
        state->lastDown = down;
        state->lastUp = up;
        state->lastActivity = now;
        return 0;
    }
    const long timeout = state->request->timeoutMs;
    if (timeout > 0 && state->result->requestSent
        && now - state->lastActivity > std::chrono::milliseconds(timeout)) {
        state->result->timedOut = true;
        return 1;
    }
    return 0;
}

} // namespace

std::string TransferResult::statusLine() const
{
    const auto end = rawHeaders.find("\r\n");
    return rawHeaders.substr(0, end);
}

std::string wireAddress(const std::string& gbkAddress)
{
    const std::string utf8 = gbkToUtf8(gbkAddress);
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size());
    for (unsigned char c : utf8) {
        if (c >= 0x80 || c <= 0x20 || c == 0x7F) {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 0x0F]);
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

TransferResult runTransfer(const TransferRequest& request)
{
    initialiseCurlOnce();
    TransferResult result;
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!easy) {
        result.curlCode = CURLE_FAILED_INIT;
        return result;
    }
    CURL* h = easy.get();
    TransferState state;
    state.request = &request;
    state.result = &result;

    curl_easy_setopt(h, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");

    if (request.verb == "HEAD") {
        curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    } else if (request.verb == "POST") {
        // Plain POST (not a custom verb) so that a 301/302/303 goes on as GET.
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, request.body.data());
    } else if (request.sendBody || request.verb != "GET") {
        curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
        if (request.sendBody) {
            curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
            curl_easy_setopt(h, CURLOPT_POSTFIELDS, request.body.data());
        }
    } else {
        curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    }

    curl_slist* rawList = nullptr;
    for (const auto& line : request.headerLines)
        if (!line.empty())
            rawList = curl_slist_append(rawList, line.c_str());
    // Nothing of curl's own beyond Host and Content-Length.
    if (!hasHeader(request.headerLines, "Accept:"))
        rawList = curl_slist_append(rawList, "Accept:");
    if (!hasHeader(request.headerLines, "Expect:"))
        rawList = curl_slist_append(rawList, "Expect:");
    if (request.useProxy && !request.proxy.empty() && !hasHeader(request.headerLines, "Proxy-Connection:"))
        rawList = curl_slist_append(rawList, "Proxy-Connection:");
    std::unique_ptr<curl_slist, SlistDeleter> headerList(rawList);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headerList.get());
    if (!request.userAgent.empty())
        curl_easy_setopt(h, CURLOPT_USERAGENT, request.userAgent.c_str());

    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(h, CURLOPT_POSTREDIR, 0L);

    if (request.cookies != TransferRequest::Cookies::Off)
        curl_easy_setopt(h, CURLOPT_COOKIEFILE, "");
    if (request.cookies == TransferRequest::Cookies::ProcessStore)
        curl_easy_setopt(h, CURLOPT_SHARE, CookieShare::get());

    if (request.timeoutMs > 0)
        curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, request.timeoutMs);

    if (!request.serverUser.empty() || !request.serverPassword.empty()) {
        curl_easy_setopt(h, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
        curl_easy_setopt(h, CURLOPT_USERNAME, request.serverUser.c_str());
        curl_easy_setopt(h, CURLOPT_PASSWORD, request.serverPassword.c_str());
    }
    if (request.useProxy && !request.proxy.empty()) {
        curl_easy_setopt(h, CURLOPT_PROXY, request.proxy.c_str());
        if (!request.proxyUser.empty() || !request.proxyPassword.empty()) {
            curl_easy_setopt(h, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_BASIC));
            curl_easy_setopt(h, CURLOPT_PROXYUSERNAME, request.proxyUser.c_str());
            curl_easy_setopt(h, CURLOPT_PROXYPASSWORD, request.proxyPassword.c_str());
        }
    } else {
        curl_easy_setopt(h, CURLOPT_PROXY, ""); // no proxy, whatever the environment says
    }

    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &state);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &state);
    curl_easy_setopt(h, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(h, CURLOPT_DEBUGDATA, &state);
    curl_easy_setopt(h, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &state);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);

    result.curlCode = curl_easy_perform(h);
    return result;
}

} // namespace pelizo
