// The implementer's settings: catalogue hosts, the configuration file's
// address, the built-in parse service and the download links. Compiled-in
// defaults point at the bundled demo site on loopback; each one can be
// overridden by its environment variable.
#pragma once

#include <string>

namespace pelizo {

struct Settings {
    std::string filmHost;    // PELIZO_FILM_HOST, host[:port], begins with "d"
    std::string seriesHost;  // PELIZO_SERIES_HOST, host[:port], begins with "t"
    std::string searchHost;  // PELIZO_SEARCH_HOST, host[:port]
    std::string configUrl;   // PELIZO_CONFIG_URL, full address of the configuration file
    std::string parsePrefix; // PELIZO_PARSE_PREFIX, the built-in parse service, ends in "/jiexi/5.html?url="
    std::string downloadUrl; // PELIZO_DOWNLOAD_URL, the download page
    std::string link1Url;    // PELIZO_LINK1_URL, target of the first download link
    std::string link2Url;    // PELIZO_LINK2_URL, target of the second download link
};

// The port the demo site listens on when nothing else is said.
constexpr int kDefaultDemoPort = 18080;

// Reads the environment each time, so that a caller that changed it sees it.
Settings currentSettings();

} // namespace pelizo
