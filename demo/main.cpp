// pelizo-demo-site: serves the demo catalogue, configuration file, video
// platforms and parse services on 127.0.0.1 until interrupted.
//
//   pelizo-demo-site [--port N] [--latest-version TEXT] [--no-interfaces] [--config-delay-ms N]
//
// The switches can also come from PELIZO_DEMO_LATEST_VERSION,
// PELIZO_DEMO_NO_INTERFACES=1 and PELIZO_DEMO_CONFIG_DELAY_MS.
#include "demo/demo_site.h"
#include "net/codepage.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t gStop = 0;

void onSignal(int) { gStop = 1; }

int usage()
{
    std::fprintf(stderr, "usage: pelizo-demo-site [--port N] [--latest-version TEXT] [--no-interfaces] "
                         "[--config-delay-ms N]\n");
    return 2;
}

bool number(const char* text, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end || v < 0 || v > 600000)
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    pelizo::demo::DemoOptions options;
    int port = 18080;
    if (const char* v = std::getenv("PELIZO_DEMO_LATEST_VERSION"))
        options.latestVersion = pelizo::utf8ToGbk(v);
    if (const char* v = std::getenv("PELIZO_DEMO_NO_INTERFACES"))
        options.noInterfaces = std::strcmp(v, "1") == 0;
    if (const char* v = std::getenv("PELIZO_DEMO_CONFIG_DELAY_MS"); v && !number(v, options.configDelayMs))
        return usage();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--port" && hasValue) {
            if (!number(argv[++i], port) || port > 65535)
                return usage();
        } else if (arg == "--latest-version" && hasValue) {
            options.latestVersion = pelizo::utf8ToGbk(argv[++i]);
        } else if (arg == "--no-interfaces") {
            options.noInterfaces = true;
        } else if (arg == "--config-delay-ms" && hasValue) {
            if (!number(argv[++i], options.configDelayMs))
                return usage();
        } else {
            return usage();
        }
    }

    pelizo::demo::DemoSite site(options);
    if (!site.start(static_cast<uint16_t>(port))) {
        std::fprintf(stderr, "pelizo-demo-site: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("pelizo-demo-site: serving on http://127.0.0.1:%u\n", site.port());
    std::fflush(stdout);
    while (!gStop)
        ::pause();
    site.stop();
    return 0;
}
