// Parse cost per page of each scraper, over demo pages made in memory (no
// network).
#include "demo/catalogue.h"
#include "demo/catalogue_pages.h"
#include "scrape/film_scraper.h"
#include "scrape/listing_scraper.h"
#include "scrape/search_scraper.h"
#include "scrape/series_scraper.h"

#include <benchmark/benchmark.h>

using namespace pelizo;

namespace {

const demo::SiteHosts& hosts()
{
    static const demo::SiteHosts h{"dianying.localhost:18080", "tv.localhost:18080", "img.localhost:18080",
                                   "localhost:18080"};
    return h;
}

void BM_ListingPage(benchmark::State& state)
{
    const std::string page = demo::listingPage(hosts(), true, "", "", 2);
    std::vector<ListingItem> items;
    for (auto _ : state)
        benchmark::DoNotOptimize(parseListingPage(page, items));
}
BENCHMARK(BM_ListingPage)->Unit(benchmark::kMicrosecond);

void BM_SearchPage(benchmark::State& state)
{
    const std::string page = demo::searchPage(hosts(), "长安");
    std::vector<SearchResult> results;
    for (auto _ : state)
        parseSearchPage(page, results);
}
BENCHMARK(BM_SearchPage)->Unit(benchmark::kMicrosecond);

void BM_FilmPage(benchmark::State& state)
{
    const std::string page = demo::filmPage(hosts(), demo::films().front());
    for (auto _ : state) {
        FilmDetail detail;
        std::vector<FilmSource> sources;
        parseFilmInfo(page, detail);
        benchmark::DoNotOptimize(parseFilmSources(page, sources));
    }
}
BENCHMARK(BM_FilmPage)->Unit(benchmark::kMicrosecond);

void BM_SeriesPageWith80Episodes(benchmark::State& state)
{
    const demo::Title* show = demo::findTitle(2044);
    const std::string page = demo::seriesPage(hosts(), *show);
    for (auto _ : state) {
        SeriesDetail detail;
        std::vector<SeriesSource> sources;
        parseSeriesInfo(page, detail);
        benchmark::DoNotOptimize(parseSeriesSources(page, sources));
    }
}
BENCHMARK(BM_SeriesPageWith80Episodes)->Unit(benchmark::kMicrosecond);

} // namespace
