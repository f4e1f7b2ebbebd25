#include "cli/commands.h"

#include "cli/json.h"
#include "scrape/film_scraper.h"
#include "scrape/listing_scraper.h"
#include "scrape/search_scraper.h"
#include "scrape/series_scraper.h"

#include <iostream>

namespace pelizo::cli {
namespace {

constexpr int kFound = 0;
constexpr int kEmpty = 1;
constexpr int kBadArguments = 2;

bool parseNumber(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return true;
}

// Prints a detail command's answer; something found unless both parts are empty.
int printDetail(bool found, const std::string& detail, const std::vector<std::string>& sources)
{
    std::cout << jsonObject({{"found", found ? "true" : "false"}, {"detail", detail}, {"sources", jsonArray(sources)}})
              << '\n';
    return (found || !sources.empty()) ? kFound : kEmpty;
}

std::string texts(const std::vector<std::string>& values)
{
    std::vector<std::string> encoded;
    for (const auto& v : values)
        encoded.push_back(jsonText(v));
    return jsonArray(encoded);
}

} // namespace

int listingCommand(const std::vector<std::string>& args)
{
    int category = 0;
    int page = 1;
    std::string type, year;
    for (size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return kBadArguments;
        const std::string& name = args[i];
        const std::string& value = args[i + 1];
        if (name == "--category") {
            if (!parseNumber(value, category))
                return kBadArguments;
        } else if (name == "--type") {
            type = value;
        } else if (name == "--year") {
            year = value;
        } else if (name == "--page") {
            if (!parseNumber(value, page) || page < 1)
                return kBadArguments;
        } else {
            return kBadArguments;
        }
    }
    if (category != 1 && category != 2)
        return kBadArguments;
    std::vector<ListingItem> items;
    const int pageCount = fetchListingPage(category, type, year, page, items);
    std::vector<std::string> encoded;
    for (const auto& item : items)
        encoded.push_back(jsonObject({{"title", jsonText(item.title)},
                                      {"detailUrl", jsonText(item.detailUrl)},
                                      {"posterUrl", jsonText(item.posterUrl)}}));
    std::cout << jsonObject({{"pageCount", std::to_string(pageCount)}, {"items", jsonArray(encoded)}}) << '\n';
    return items.empty() ? kEmpty : kFound;
}

int searchCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return kBadArguments;
    std::vector<SearchResult> results;
    searchTitles(args[0], results);
    std::vector<std::string> encoded;
    for (const auto& r : results)
        encoded.push_back(jsonObject({{"title", jsonText(r.title)},
                                      {"kind", jsonText(r.kind)},
                                      {"detailUrl", jsonText(r.detailUrl)},
                                      {"posterUrl", jsonText(r.posterUrl)}}));
    std::cout << jsonArray(encoded) << '\n';
    return results.empty() ? kEmpty : kFound;
}

int filmCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return kBadArguments;
    FilmDetail d;
    const bool found = scrapeFilmInfo(args[0], d);
    std::vector<FilmSource> sources;
    scrapeFilmSources(args[0], sources);
    std::vector<std::string> encoded;
    for (const auto& s : sources)
        encoded.push_back(jsonObject({{"name", jsonText(s.name)}, {"playUrl", jsonText(s.playUrl)}}));
    const std::string detail = jsonObject({{"title", jsonText(d.title)},
                                           {"score", jsonText(d.score)},
                                           {"cast", jsonText(d.cast)},
                                           {"director", jsonText(d.director)},
                                           {"genre", jsonText(d.genre)},
                                           {"duration", jsonText(d.duration)},
                                           {"year", jsonText(d.year)},
                                           {"region", jsonText(d.region)},
                                           {"synopsis", jsonText(d.synopsis)}});
    return printDetail(found, detail, encoded);
}

int seriesCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return kBadArguments;
    SeriesDetail d;
    const bool found = scrapeSeriesInfo(args[0], d);
    std::vector<SeriesSource> sources;
    scrapeSeriesSources(args[0], sources);
    std::vector<std::string> encoded;
    for (const auto& s : sources)
        encoded.push_back(jsonObject({{"name", jsonText(s.name)}, {"episodes", texts(s.episodes)}}));
    const std::string detail = jsonObject({{"title", jsonText(d.title)},
                                           {"episodeCount", jsonText(d.episodeCount)},
                                           {"score", jsonText(d.score)},
                                           {"cast", jsonText(d.cast)},
                                           {"director", jsonText(d.director)},
                                           {"genre", jsonText(d.genre)},
                                           {"year", jsonText(d.year)},
                                           {"region", jsonText(d.region)},
                                           {"synopsis", jsonText(d.synopsis)}});
    return printDetail(found, detail, encoded);
}

} // namespace pelizo::cli
