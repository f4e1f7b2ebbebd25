// The demo site: one loopback server that answers for every host of the
// application's settings, dispatching on the Host header.
//
//   dianying.localhost  film listings and film pages
//   tv.localhost        series listings and series pages
//   so.localhost        the search page
//   img.localhost       posters and platform icons
//   app.localhost       the configuration file /rz1.txt and the download page
//   jia/yi/bing.localhost  episode pages of three video platforms
//   jx.localhost        the parse services /jiexi/N.html?url=...
//   pan/lanzou.localhost   the two download links
#pragma once

#include "demo/loopback_server.h"

#include <atomic>
#include <memory>
#include <string>

namespace pelizo::demo {

struct DemoOptions {
    std::string latestVersion = "4.9";
    bool noInterfaces = false;
    int configDelayMs = 0;
};

class DemoSite {
public:
    explicit DemoSite(DemoOptions options = {});
    ~DemoSite();

    // Starts on 127.0.0.1:`port` (0: any free port).
    bool start(uint16_t port = 0);
    void stop();
    uint16_t port() const;

    // "name.localhost:port" for a host label such as "dianying".
    std::string host(const std::string& label) const;

    HttpResponse handle(const HttpRequest& request) const;

    const LoopbackServer& server() const { return *server_; }

private:
    DemoOptions options_;
    std::unique_ptr<LoopbackServer> server_;
};

} // namespace pelizo::demo
