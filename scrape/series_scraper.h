// A series' detail page: the introduction block with its source tabs and
// one episode block per source.
#pragma once

#include <string>
#include <vector>

namespace pelizo {

struct SeriesDetail {
    std::string title;
    std::string episodeCount;
    std::string score;
    std::string cast; // names followed by "、", the line's last link left out
    std::string director;
    std::string genre;
    std::string year;
    std::string region;
    std::string synopsis;
};

struct SeriesSource {
    std::string name;                  // the tab's text reduced by keepNonAscii
    std::vector<std::string> episodes; // entry n is episode n's page address
};

bool scrapeSeriesInfo(const std::string& detailUrl, SeriesDetail& detail);
int scrapeSeriesSources(const std::string& detailUrl, std::vector<SeriesSource>& sources);

bool parseSeriesInfo(const std::string& page, SeriesDetail& detail);
int parseSeriesSources(const std::string& page, std::vector<SeriesSource>& sources);

// Every character outside 0x20..0x7F, in order.
std::string keepNonAscii(const std::string& text);

} // namespace pelizo
