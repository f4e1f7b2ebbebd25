// The scrapers against the demo site on loopback: every listing filter with
// its page count, Chinese search, and every field of film and series pages.
#include "demo/catalogue.h"
#include "demo/demo_site.h"
#include "scrape/film_scraper.h"
#include "scrape/listing_filters.h"
#include "scrape/listing_scraper.h"
#include "scrape/search_scraper.h"
#include "scrape/series_scraper.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace pelizo;

namespace {

class DemoCatalogueTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        site = new demo::DemoSite();
        ASSERT_TRUE(site->start());
        setenv("PELIZO_FILM_HOST", site->host("dianying").c_str(), 1);
        setenv("PELIZO_SERIES_HOST", site->host("tv").c_str(), 1);
        setenv("PELIZO_SEARCH_HOST", site->host("so").c_str(), 1);
    }
    static void TearDownTestSuite()
    {
        delete site;
        site = nullptr;
    }
    static demo::DemoSite* site;
};

demo::DemoSite* DemoCatalogueTest::site = nullptr;

} // namespace

TEST_F(DemoCatalogueTest, EveryFilterListsItsTitlesWithTheRightPageCount)
{
    for (int category : {1, 2}) {
        const bool series = category == 2;
        for (const auto& type : typeFilterItems(category))
            for (const auto& year : yearFilterItems(category)) {
                std::vector<const demo::Title*> expected;
                demo::filterTitles(series, type.code, year.code, expected);
                const int pages = static_cast<int>((expected.size() + 34) / 35);
                std::vector<ListingItem> items;
                const std::string where = std::to_string(category) + "/" + type.code + "/" + year.code;
                EXPECT_EQ(fetchListingPage(category, type.code, year.code, pages == 0 ? 1 : pages, items), pages) << where;
                EXPECT_EQ(items.size(), expected.empty() ? 0 : expected.size() - 35 * (pages - 1)) << where;
                if (pages > 1) {
                    EXPECT_EQ(fetchListingPage(category, type.code, year.code, 1, items), pages) << where;
                    ASSERT_EQ(items.size(), 35u) << where;
                    EXPECT_EQ(items[0].title, expected[0]->name) << where;
                    EXPECT_EQ(items[0].detailUrl.rfind(series ? "http://t" : "http://d", 0), 0u) << where;
                }
            }
    }
    std::vector<ListingItem> items;
    EXPECT_EQ(fetchListingPage(1, "", "", 1, items), 5);
    EXPECT_EQ(fetchListingPage(2, "", "", 1, items), 3);
    EXPECT_EQ(fetchListingPage(2, "", "", 4, items), 0);
    EXPECT_TRUE(items.empty());
}

TEST_F(DemoCatalogueTest, ChineseKeywordsFindTitles)
{
    std::vector<SearchResult> results;
    searchTitles("长安", results);
    ASSERT_EQ(results.size(), 5u); // the rest stand after the advertisement
    for (const auto& r : results)
        EXPECT_NE(r.title.find("长安"), std::string::npos);
    EXPECT_EQ(results[0].kind, "电影");

    searchTitles("故园之恋", results);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].kind, "电视剧");
    EXPECT_EQ(results[0].detailUrl.rfind("http://t", 0), 0u);

    searchTitles("", results);
    EXPECT_TRUE(results.empty());
    searchTitles("没有这个片名", results);
    EXPECT_TRUE(results.empty());
}

TEST_F(DemoCatalogueTest, FilmAndSeriesPagesReadWhole)
{
    for (const auto& film : demo::films()) {
        const std::string url = "http://" + site->host("dianying") + "/m/" + std::to_string(film.id) + ".html";
        FilmDetail d;
        ASSERT_TRUE(scrapeFilmInfo(url, d)) << url;
        EXPECT_EQ(d.title, film.name);
        EXPECT_EQ(d.year, std::to_string(film.year));
        EXPECT_EQ(d.director, film.director);
        std::string cast;
        for (const auto& name : film.cast)
            cast += name + "、";
        EXPECT_EQ(d.cast, cast);
        EXPECT_FALSE(d.synopsis.empty());
        std::vector<FilmSource> sources;
        EXPECT_EQ(scrapeFilmSources(url, sources), static_cast<int>(film.platforms.size())) << url;
    }
    for (const auto& show : demo::series()) {
        const std::string url = "http://" + site->host("tv") + "/tv/" + std::to_string(show.id) + ".html";
        SeriesDetail d;
        ASSERT_TRUE(scrapeSeriesInfo(url, d)) << url;
        EXPECT_EQ(d.title, show.name);
        EXPECT_EQ(d.episodeCount, (show.finished ? "全" : "更新至第") + std::to_string(show.episodes) + "集");
        EXPECT_EQ(d.cast.empty(), false);
        std::vector<SeriesSource> sources;
        ASSERT_EQ(scrapeSeriesSources(url, sources), static_cast<int>(show.platforms.size())) << url;
        for (size_t s = 0; s < sources.size(); ++s) {
            EXPECT_EQ(sources[s].name, demo::platforms()[static_cast<size_t>(show.platforms[s])].name);
            ASSERT_EQ(sources[s].episodes.size(), static_cast<size_t>(show.episodes)) << url;
            EXPECT_EQ(sources[s].episodes.back().find('?'), std::string::npos);
            EXPECT_NE(sources[s].episodes.back().find("-" + std::to_string(show.episodes) + ".html"), std::string::npos);
        }
    }
}
