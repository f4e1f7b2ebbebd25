#include "scrape/listing_scraper.h"
#include "scrape/search_scraper.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace pelizo;

namespace {

std::string entry(const std::string& id, const std::string& title)
{
    return "<li><a class=\"p-thumb\" href=\"//d.example/m/" + id + ".html\"><img src=\"//i.example/blank.gif\" data-src=\"//i.example/p/"
        + id + ".jpg\" alt=\"\" /></a>\r\n<p><a href=\"//d.example/m/" + id + ".html\" target=\"_blank\" title=\"" + title
        + "\">" + title + "</a></p></li>\r\n";
}

std::string pageLink(int n, const std::string& text)
{
    return "<a href='/list/-------" + std::to_string(n) + ".html' target='_self'  >" + text + "</a>";
}

std::string listing(const std::string& entries, const std::string& pager)
{
    return "<html><body><!-- 列表 --><ul>\r\n" + entries + "</ul>\r\n<div class=\"v_page\">" + pager
        + "</div>\r\n<!-- 列表 --><div><a href=\"/x\">页脚</a></div></body></html>";
}

} // namespace

TEST(ListingScraper, EntriesInPageOrderAndTheLastNumberedLink)
{
    std::string entries;
    for (int i = 1; i <= 18; ++i)
        entries += entry(std::to_string(i), "影片" + std::to_string(i));
    entries += entry("7", "影片7"); // listed twice: two records
    // Tags in capitals match too.
    entries += "<LI><IMG SRC=\"x\" DATA-SRC=\"//i.example/p/99.jpg\">\r\n<A HREF=\"//d.example/m/99.html\" TITLE=\"大写\">x</A></LI>\r\n";
    const std::string pager = pageLink(1, "1") + "<a class='cur' >2</a>" + pageLink(3, "3") + "<span>...</span>"
        + pageLink(37, "37") + pageLink(3, "下一页");
    std::vector<ListingItem> items(3);
    EXPECT_EQ(parseListingPage(listing(entries, pager), items), 37);
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items[0].title, "影片1");
    EXPECT_EQ(items[0].detailUrl, "http://d.example/m/1.html");
    EXPECT_EQ(items[0].posterUrl, "http://i.example/p/1.jpg");
    EXPECT_EQ(items[18].detailUrl, items[6].detailUrl);
    EXPECT_EQ(items[19].title, "大写");
}

TEST(ListingScraper, PageCountAndSectionRules)
{
    const std::string one = entry("1", "甲");
    struct Case {
        const char* name;
        std::string page;
        int count;
        size_t items;
    };
    const Case cases[] = {
        {"last page: the current number", listing(one, pageLink(36, "36") + "<a class='cur' >37</a>"), 37, 1},
        {"single page", listing(one, "<a class='cur' >1</a>"), 1, 1},
        {"one list comment only", "<!-- 列表 -->" + one + "<div class=\"v_page\"><a class='cur' >3</a></div>", 0, 0},
        {"no entry", listing("", "<a class='cur' >4</a>"), 0, 0},
        {"unreadable pager", listing(one, "<b>?</b>"), 0, 1},
        {"link and title on two lines", listing("<img data-src=\"//p\"><a href=\"//d\"\r\n title=\"t\">", "<a class='cur' >1</a>"), 0, 0},
    };
    for (const auto& c : cases) {
        std::vector<ListingItem> items(5);
        EXPECT_EQ(parseListingPage(c.page, items), c.count) << c.name;
        EXPECT_EQ(items.size(), c.items) << c.name;
    }
}

TEST(ListingScraper, Addresses)
{
    setenv("PELIZO_FILM_HOST", "dy.example:81", 1);
    setenv("PELIZO_SERIES_HOST", "tv.example", 1);
    EXPECT_EQ(listingPageAddress(1, "", "", 1), "http://dy.example:81/list/-------1.html");
    EXPECT_EQ(listingPageAddress(1, "xiju", "2017", 12), "http://dy.example:81/list/xiju----2017---12.html");
    EXPECT_EQ(listingPageAddress(2, "yanqing", "20102000", 2), "http://tv.example/yanqing---20102000--2.html");
    EXPECT_EQ(listingPageAddress(2, "", "", 1), "http://tv.example/-----1.html");
    EXPECT_EQ(listingPageAddress(3, "", "", 1), "");
    unsetenv("PELIZO_FILM_HOST");
    unsetenv("PELIZO_SERIES_HOST");

    std::vector<ListingItem> items(2);
    EXPECT_EQ(fetchListingPage(3, "", "", 1, items), 0);
    EXPECT_TRUE(items.empty());
}

namespace {

std::string hit(const std::string& id, const std::string& title, const std::string& kind)
{
    return "<li><div class=\"s-pic\"><img src=\"//i/blank.gif\" data-src=\"//i/p/" + id + ".jpg\" title=\"" + title
        + "\" alt=\"\"></div>\r\n<div><h2><a href=\"http://t.example/" + id + ".html\" target=\"_blank\">" + title
        + "</a><span class=\"sStyle\">" + kind + "</span></h2></div></li>\r\n";
}

} // namespace

TEST(SearchScraper, HitsBeforeTheFirstAdvertisement)
{
    const std::string page = "<html><!-- 搜索结果 start-->" + hit("1", "长安", "电视剧") + hit("2", "长安二", "电影")
        + "<LI><IMG SRC=\"x\" DATA-SRC=\"//i/3.jpg\" TITLE=\"大写\">\r\n<H2><A HREF=\"http://d.example/3\">x</A><SPAN CLASS=\"sStyle\">电影</SPAN></H2>"
        + "<!--第1个广告 start-->" + hit("4", "广告后", "电影") + "</html>";
    std::vector<SearchResult> results(9);
    parseSearchPage(page, results);
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0].title, "长安");
    EXPECT_EQ(results[0].kind, "电视剧");
    EXPECT_EQ(results[0].detailUrl, "http://t.example/1.html");
    EXPECT_EQ(results[0].posterUrl, "http://i/p/1.jpg");
    EXPECT_EQ(results[2].title, "大写");
    EXPECT_EQ(results[2].detailUrl, "http://d.example/3");

    // A block without entries, or no block at all, empties the list.
    parseSearchPage("<!-- 搜索结果 start--><p>无</p><!--第1个广告 start-->", results);
    EXPECT_TRUE(results.empty());
    results.resize(2);
    parseSearchPage("<!--搜索结果 start-->" + hit("1", "a", "b") + "<!--第1个广告 start-->", results);
    EXPECT_TRUE(results.empty());
}

TEST(SearchScraper, AddressKeepsTheKeywordUnchanged)
{
    setenv("PELIZO_SEARCH_HOST", "so.example:82", 1);
    EXPECT_EQ(searchAddress("长安"), "http://so.example:82/search_长安_/?0");
    EXPECT_EQ(searchAddress(""), "http://so.example:82/search__/?0");
    unsetenv("PELIZO_SEARCH_HOST");
}
