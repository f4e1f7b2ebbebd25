// HTML of the demo catalogue, in code page 936 and in the shape of the real
// catalogue site: listing pages with their pager, detail pages with their
// introduction, play, source-tab and episode blocks, and the search page.
#pragma once

#include "demo/catalogue.h"

#include <string>

namespace pelizo::demo {

constexpr int kListingPageSize = 35;

// Names with port that the pages link to, e.g. "dianying.localhost:18080".
struct SiteHosts {
    std::string film;
    std::string series;
    std::string images;
    std::string platform(const std::string& key) const { return key + "." + suffix; }
    std::string suffix; // "localhost:18080"
};

std::string detailPath(const Title& title);
std::string posterPath(const Title& title);
std::string episodeAddress(const SiteHosts& hosts, const Title& title, int platform, int episode);

std::string listingPage(const SiteHosts& hosts, bool series, const std::string& typeCode,
                        const std::string& yearCode, int page);
std::string filmPage(const SiteHosts& hosts, const Title& film);
std::string seriesPage(const SiteHosts& hosts, const Title& show);
// `keyword` in code page 936; an empty one finds nothing.
std::string searchPage(const SiteHosts& hosts, const std::string& keyword);

} // namespace pelizo::demo
