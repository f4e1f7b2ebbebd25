#include "scrape/search_scraper.h"

#include "app/settings.h"
#include "net/http_access.h"
#include "net/regex_object.h"
#include "net/text.h"

namespace pelizo {

std::string searchAddress(const std::string& keyword)
{
    return "http://" + currentSettings().searchHost + "/search_" + keyword + "_" + "" + "/?" + "0";
}

void searchTitles(const std::string& keyword, std::vector<SearchResult>& results)
{
    parseSearchPage(HttpAccess(searchAddress(keyword)), results);
}

void parseSearchPage(const std::string& page, std::vector<SearchResult>& results)
{
    const std::string block = textBetween(page, "<!-- 搜索结果 start-->", "<!--第1个广告 start-->");
    RegexObject regex;
    regex.create("<img src=.*?data-src=\"(.*?)\".*?title=\"(.*?)\"[\\s\\S]*?<h2><a href=\"(.*?)\".*?"
                 "class=\"sStyle\">(.*?)</span",
                 block);
    const int n = regex.matchCount();
    results.assign(static_cast<size_t>(n), SearchResult{});
    for (int i = 1; i <= n; ++i) {
        auto& result = results[static_cast<size_t>(i - 1)];
        result.title = regex.subMatchText(i, 2);
        result.kind = regex.subMatchText(i, 4);
        result.detailUrl = regex.subMatchText(i, 3);
        result.posterUrl = "http:" + regex.subMatchText(i, 1);
    }
}

} // namespace pelizo
