#include "app/settings.h"

#include <cstdlib>

namespace pelizo {
namespace {

std::string fromEnvironment(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return (value && *value) ? std::string(value) : fallback;
}

} // namespace

Settings currentSettings()
{
    const std::string port = std::to_string(kDefaultDemoPort);
    Settings s;
    s.filmHost = fromEnvironment("PELIZO_FILM_HOST", "dianying.localhost:" + port);
    s.seriesHost = fromEnvironment("PELIZO_SERIES_HOST", "tv.localhost:" + port);
    s.searchHost = fromEnvironment("PELIZO_SEARCH_HOST", "so.localhost:" + port);
    s.configUrl = fromEnvironment("PELIZO_CONFIG_URL", "http://app.localhost:" + port + "/rz1.txt");
    s.parsePrefix = fromEnvironment("PELIZO_PARSE_PREFIX", "http://jx.localhost:" + port + "/jiexi/5.html?url=");
    s.downloadUrl = fromEnvironment("PELIZO_DOWNLOAD_URL", "http://app.localhost:" + port + "/download.html");
    s.link1Url = fromEnvironment("PELIZO_LINK1_URL", "http://pan.localhost:" + port + "/s/pelizo");
    s.link2Url = fromEnvironment("PELIZO_LINK2_URL", "http://lanzou.localhost:" + port + "/pelizo");
    return s;
}

} // namespace pelizo
