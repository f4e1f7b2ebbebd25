#include "scrape/series_scraper.h"

#include "net/http_access.h"
#include "net/regex_object.h"
#include "net/text.h"
#include "scrape/detail_lines.h"

namespace pelizo {
namespace {

const char* const kEpisodeBlockBegin = "<!-- 集数（show=1的时候显示完整列表，show=2时显示更多按钮） begin-->";
const char* const kEpisodeBlockEnd = "<!-- 集数（show=1的时候显示完整列表，show=2时显示更多按钮） end-->";
const char* const kEpisodeLink = "<a href=\"http://";

// Episode addresses of one block. An address ends at its "?" (the query is
// dropped) or at the link's closing quote, whichever comes first, so that a
// link without a query never runs on into the page text.
std::vector<std::string> episodeAddresses(const std::string& block)
{
    std::vector<std::string> episodes;
    const long markerLength = static_cast<long>(std::char_traits<char>::length(kEpisodeLink));
    long from = 1;
    for (;;) {
        const long link = findText(block, kEpisodeLink, from, true);
        if (link == -1)
            break;
        const long start = link + markerLength;
        const long question = findText(block, "?", start);
        const long quote = findText(block, "\"", start);
        long end = question;
        if (end == -1 || (quote != -1 && quote < end))
            end = quote;
        if (end == -1)
            break;
        const std::string address = trimBlanks(midText(block, start, end - start));
        if (!address.empty())
            episodes.push_back("http://" + address);
        from = end;
    }
    return episodes;
}

} // namespace

std::string keepNonAscii(const std::string& text)
{
    RegexObject regex;
    regex.create("[^\\x20-\\x7f]", text);
    std::string kept;
    for (int n = 1; n <= regex.matchCount(); ++n)
        kept += regex.matchText(n);
    return kept;
}

bool scrapeSeriesInfo(const std::string& detailUrl, SeriesDetail& detail)
{
    return parseSeriesInfo(HttpAccess(detailUrl), detail);
}

int scrapeSeriesSources(const std::string& detailUrl, std::vector<SeriesSource>& sources)
{
    return parseSeriesSources(HttpAccess(detailUrl), sources);
}

bool parseSeriesInfo(const std::string& page, SeriesDetail& detail)
{
    const std::string block = introductionBlock(page);
    detail.title = textBetween(block, "title=\"", "\"");
    detail.episodeCount = replaceEach(textBetween(block, "<em class=\"emNum\">", "</em>"),
                                      {{"&nbsp;", ""}, {" ", ""}, {"\r\n", ""}});
    detail.score = textBetween(block, "<em class=\"emScore\">", "</em>");
    detail.cast = castNames(block, 1);
    detail.director = firstLinkText(block, "导演：");
    detail.genre = firstLinkText(block, "类型：");
    detail.year = firstLinkText(block, "年代：");
    detail.region = firstLinkText(block, "地区：");
    detail.synopsis = textBetween(labelledLine(block, "简介："), "<span>", "</span>");
    return !block.empty();
}

int parseSeriesSources(const std::string& page, std::vector<SeriesSource>& sources)
{
    const std::string block = introductionBlock(page);
    const std::string tabs = textBetween(block, "<!-- 播放源标签 -->", "<!-- 播放源标签 -->");
    RegexObject regex;
    regex.create("src=\".*?\">([\\s\\S]*?)</a>", tabs);
    std::vector<std::string> episodeBlocks;
    textBetweenAll(block, kEpisodeBlockBegin, kEpisodeBlockEnd, episodeBlocks);

    const int n = regex.matchCount();
    sources.assign(static_cast<size_t>(n), SeriesSource{});
    for (int i = 1; i <= n; ++i) {
        auto& source = sources[static_cast<size_t>(i - 1)];
        source.name = keepNonAscii(regex.subMatchText(i, 1));
        // A source without a block of its own keeps an empty episode list.
        if (static_cast<size_t>(i) <= episodeBlocks.size())
            source.episodes = episodeAddresses(episodeBlocks[static_cast<size_t>(i - 1)]);
    }
    return n;
}

} // namespace pelizo
