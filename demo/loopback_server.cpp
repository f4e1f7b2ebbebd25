#include "demo/loopback_server.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstring>
#include <iterator>
#include <netinet/in.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pelizo {
namespace {

constexpr size_t kMaxRequestBytes = 8 * 1024 * 1024;

bool sendAll(int fd, const std::string& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

std::string trimmed(const std::string& s)
{
    const auto begin = s.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    const auto end = s.find_last_not_of(" \t");
    return s.substr(begin, end - begin + 1);
}

// Parses the header block; false when it is not a request line and headers.
bool parseHead(const std::string& head, HttpRequest& request)
{
    const auto lineEnd = head.find("\r\n");
    const std::string requestLine = head.substr(0, lineEnd);
    const auto firstSpace = requestLine.find(' ');
    const auto lastSpace = requestLine.rfind(' ');
    if (firstSpace == std::string::npos || lastSpace == firstSpace)
        return false;
    request.method = requestLine.substr(0, firstSpace);
    request.target = requestLine.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    const auto question = request.target.find('?');
    request.path = request.target.substr(0, question);
    request.query = question == std::string::npos ? std::string() : request.target.substr(question + 1);
    size_t from = lineEnd == std::string::npos ? head.size() : lineEnd + 2;
    while (from < head.size()) {
        auto end = head.find("\r\n", from);
        if (end == std::string::npos)
            end = head.size();
        const std::string line = head.substr(from, end - from);
        const auto colon = line.find(':');
        if (colon != std::string::npos)
            request.headers.emplace_back(line.substr(0, colon), trimmed(line.substr(colon + 1)));
        from = end + 2;
    }
    return true;
}

std::string serialise(const HttpResponse& response)
{
    std::string out = "HTTP/1.1 " + std::to_string(response.status) + " " + response.reason + "\r\n";
    bool hasLength = false;
    for (const auto& [name, value] : response.headers) {
        out += name + ": " + value + "\r\n";
        hasLength = hasLength || strcasecmp(name.c_str(), "Content-Length") == 0;
    }
    if (!hasLength)
        out += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    return out + response.body;
}

} // namespace

std::string HttpRequest::header(const std::string& name) const
{
    for (const auto& [key, value] : headers)
        if (strcasecmp(key.c_str(), name.c_str()) == 0)
            return value;
    return {};
}

std::string HttpRequest::hostName() const
{
    std::string host = header("Host");
    host = host.substr(0, host.find(':'));
    std::transform(host.begin(), host.end(), host.begin(), [](unsigned char c) { return std::tolower(c); });
    return host;
}

LoopbackServer::LoopbackServer(Handler handler) : handler_(std::move(handler)) {}

LoopbackServer::~LoopbackServer() { stop(); }

bool LoopbackServer::start(uint16_t port)
{
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0)
        return false;
    const int yes = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(listenFd_, 64) != 0) {
        ::close(listenFd_);
        listenFd_ = -1;
        return false;
    }
    socklen_t length = sizeof address;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    stopping_ = false;
    acceptThread_ = std::thread([this] { acceptLoop(); });
    return true;
}

void LoopbackServer::stop()
{
    if (listenFd_ < 0)
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        for (int fd : openFds_)
            ::shutdown(fd, SHUT_RDWR);
    }
    stopSignal_.notify_all();
    ::shutdown(listenFd_, SHUT_RDWR);
    if (acceptThread_.joinable())
        acceptThread_.join();
    ::close(listenFd_);
    listenFd_ = -1;
    std::vector<Connection> connections;
    {
        std::lock_guard lock(mutex_);
        connections.swap(connections_);
    }
    for (auto& c : connections)
        c.thread.join();
}

std::vector<HttpRequest> LoopbackServer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

void LoopbackServer::clearRequests()
{
    std::lock_guard lock(mutex_);
    requests_.clear();
}

void LoopbackServer::pause(int milliseconds)
{
    std::unique_lock lock(mutex_);
    stopSignal_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stopping_.load(); });
}

void LoopbackServer::acceptLoop()
{
    while (!stopping_) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            if (stopping_)
                break;
            continue;
        }
        reapFinished();
        std::lock_guard lock(mutex_);
        if (stopping_) {
            ::close(fd);
            break;
        }
        openFds_.push_back(fd);
        auto done = std::make_shared<std::atomic<bool>>(false);
        connections_.push_back({std::thread([this, fd, done] {
                                    serve(fd);
                                    *done = true;
                                }),
                                done});
    }
}

void LoopbackServer::reapFinished()
{
    std::vector<Connection> finished;
    {
        std::lock_guard lock(mutex_);
        auto split = std::partition(connections_.begin(), connections_.end(),
                                    [](const Connection& c) { return !c.done->load(); });
        std::move(split, connections_.end(), std::back_inserter(finished));
        connections_.erase(split, connections_.end());
    }
    for (auto& c : finished)
        c.thread.join();
}

void LoopbackServer::serve(int fd)
{
    timeval timeout{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    std::string data;
    char buffer[16384];
    size_t headEnd = std::string::npos;
    size_t wanted = 0;
    HttpRequest request;
    bool complete = false;
    while (!stopping_ && data.size() < kMaxRequestBytes) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        data.append(buffer, static_cast<size_t>(n));
        if (headEnd == std::string::npos) {
            headEnd = data.find("\r\n\r\n");
            if (headEnd == std::string::npos)
                continue;
            if (!parseHead(data.substr(0, headEnd), request))
                break;
            wanted = headEnd + 4 + std::strtoul(request.header("Content-Length").c_str(), nullptr, 10);
        }
        if (data.size() >= wanted) {
            complete = true;
            break;
        }
    }
    if (complete) {
        request.raw = data.substr(0, wanted);
        request.body = data.substr(headEnd + 4, wanted - headEnd - 4);
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(request);
        }
        const HttpResponse response = handler_(request);
        if (response.rawParts.empty()) {
            sendAll(fd, serialise(response));
        } else {
            for (const auto& part : response.rawParts) {
                if (part.delayMs > 0)
                    pause(part.delayMs);
                if (stopping_ || !sendAll(fd, part.bytes))
                    break;
            }
        }
    }
    std::lock_guard lock(mutex_);
    openFds_.erase(std::remove(openFds_.begin(), openFds_.end(), fd), openFds_.end());
    ::shutdown(fd, SHUT_WR);
    ::close(fd);
}

} // namespace pelizo
