// A film's detail page: the introduction block and the play block.
#pragma once

#include <string>
#include <vector>

namespace pelizo {

struct FilmDetail {
    std::string title;
    std::string score;
    std::string cast; // every name followed by "、"
    std::string director;
    std::string genre;
    std::string duration;
    std::string year;
    std::string region;
    std::string synopsis;
};

struct FilmSource {
    std::string name;
    std::string playUrl; // the film's page on that platform
};

// Fills `detail` from the page's introduction block; true when the block was found.
bool scrapeFilmInfo(const std::string& detailUrl, FilmDetail& detail);
// Replaces `sources` with the play block's links; returns their number.
int scrapeFilmSources(const std::string& detailUrl, std::vector<FilmSource>& sources);

bool parseFilmInfo(const std::string& page, FilmDetail& detail);
int parseFilmSources(const std::string& page, std::vector<FilmSource>& sources);

} // namespace pelizo
