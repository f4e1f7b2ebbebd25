// A small HTTP/1.1 server on 127.0.0.1 for the demo site and the tests: one
// thread per connection, one request per connection, the raw request bytes
// kept so that tests can assert exactly what a client sent.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace pelizo {

struct HttpRequest {
    std::string raw; // header block and body as received
    std::string method;
    std::string target; // as on the request line: path and query
    std::string path;   // before "?"
    std::string query;  // after "?"
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // Value of the first header of that name (any case); empty if none.
    std::string header(const std::string& name) const;
    // Host header without its port, lower-cased.
    std::string hostName() const;
};

struct HttpResponse {
    int status = 200;
    std::string reason = "OK";
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // When set, these bytes are written in place of the above, each after a
    // pause, and the connection is closed: for broken or slow answers.
    struct Part {
        int delayMs = 0;
        std::string bytes;
    };
    std::vector<Part> rawParts;
};

class LoopbackServer {
public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    explicit LoopbackServer(Handler handler);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // Binds 127.0.0.1 on `port` (0: any free port). False when it cannot.
    bool start(uint16_t port = 0);
    void stop();
    uint16_t port() const { return port_; }
    std::string baseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

    std::vector<HttpRequest> requests() const;
    void clearRequests();

    // Sleeps unless the server stops first; handlers use it for slow answers.
    void pause(int milliseconds);

private:
    void acceptLoop();
    void serve(int fd);
    void reapFinished();

    Handler handler_;
    int listenFd_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptThread_;
    mutable std::mutex mutex_;
    std::condition_variable stopSignal_;
    struct Connection {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::vector<Connection> connections_;
    std::vector<int> openFds_;
    std::vector<HttpRequest> requests_;
};

} // namespace pelizo
