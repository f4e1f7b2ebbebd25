#include "scrape/film_scraper.h"

#include "net/http_access.h"
#include "net/regex_object.h"
#include "net/text.h"
#include "scrape/detail_lines.h"

namespace pelizo {

bool scrapeFilmInfo(const std::string& detailUrl, FilmDetail& detail)
{
    return parseFilmInfo(HttpAccess(detailUrl), detail);
}

int scrapeFilmSources(const std::string& detailUrl, std::vector<FilmSource>& sources)
{
    return parseFilmSources(HttpAccess(detailUrl), sources);
}

bool parseFilmInfo(const std::string& page, FilmDetail& detail)
{
    const std::string block = introductionBlock(page);
    detail.title = textBetween(block, "<h1>", "</h1>");
    detail.score = textBetween(block, "<em class=\"emScore\">", "</em>");
    detail.cast = castNames(block, 0);
    detail.director = firstLinkText(block, "导演：");
    detail.genre = firstLinkText(block, "类型：");
    detail.duration = textBetween(labelledLine(block, "时长："), "<em>", "</em>");
    detail.year = textBetween(labelledLine(block, "年代："), "<em>", "</em>");
    detail.region = firstLinkText(block, "地区：");
    detail.synopsis = textBetween(labelledLine(block, "简介："), "class=\"sAll\">", "</span>");
    return !block.empty();
}

int parseFilmSources(const std::string& page, std::vector<FilmSource>& sources)
{
    const std::string block = textBetween(page, "<!-- 播放 -->", "<!-- 播放 -->");
    RegexObject regex;
    regex.create("href=\"(.*?)\".*?src=\".*?>(.*?)<", block);
    const int n = regex.matchCount();
    sources.assign(static_cast<size_t>(n), FilmSource{});
    for (int i = 1; i <= n; ++i) {
        sources[static_cast<size_t>(i - 1)].name = regex.subMatchText(i, 2);
        sources[static_cast<size_t>(i - 1)].playUrl = regex.subMatchText(i, 1);
    }
    return n;
}

} // namespace pelizo
