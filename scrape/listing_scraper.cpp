#include "scrape/listing_scraper.h"

#include "app/settings.h"
#include "net/http_access.h"
#include "net/regex_object.h"
#include "net/text.h"

#include <cstdlib>

namespace pelizo {
namespace {

// Leading decimal digits as a number; 0 when there are none.
int leadingNumber(const std::string& text)
{
    size_t digits = 0;
    while (digits < text.size() && digits < 9 && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    return digits == 0 ? 0 : std::atoi(text.substr(0, digits).c_str());
}

} // namespace

std::string listingPageAddress(int category, const std::string& typeCode, const std::string& yearCode, int page)
{
    const Settings settings = currentSettings();
    const std::string number = std::to_string(page);
    if (category == 1)
        return "http://" + settings.filmHost + "/list/" + typeCode + "----" + yearCode + "---" + number + ".html";
    if (category == 2)
        return "http://" + settings.seriesHost + "/" + typeCode + "---" + yearCode + "--" + number + ".html";
    return {};
}

int fetchListingPage(int category, const std::string& typeCode, const std::string& yearCode, int page,
                     std::vector<ListingItem>& items)
{
    return parseListingPage(HttpAccess(listingPageAddress(category, typeCode, yearCode, page)), items);
}

int parseListingPage(const std::string& page, std::vector<ListingItem>& items)
{
    const std::string section = textBetween(page, "<!-- 列表 -->", "<!-- 列表 -->");
    const std::string pager = textBetween(section, "<div class=\"v_page\">", "</a></div>");
    const int pageCount = findText(pager, "下一页") != -1
        ? leadingNumber(textBetweenLast(section, "</a><a", "target='_self'  >"))
        : leadingNumber(textBetweenLast(section, "</a>", "class='cur' >"));

    RegexObject regex;
    regex.create("data-src=\"(.*?)\"[\\s\\S]*?href=\"(.*?)\".*?title=\"(.*?)\"", section);
    const int n = regex.matchCount();
    items.assign(static_cast<size_t>(n), ListingItem{});
    for (int i = 1; i <= n; ++i) {
        auto& item = items[static_cast<size_t>(i - 1)];
        item.title = regex.subMatchText(i, 3);
        item.detailUrl = "http:" + regex.subMatchText(i, 2);
        item.posterUrl = "http:" + regex.subMatchText(i, 1);
    }
    return n == 0 ? 0 : pageCount;
}

} // namespace pelizo
