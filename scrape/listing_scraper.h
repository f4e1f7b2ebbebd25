// The catalogue's paged listings of films and series.
#pragma once

#include <string>
#include <vector>

namespace pelizo {

struct ListingItem {
    std::string title;
    std::string detailUrl; // "http:" + the entry's link target
    std::string posterUrl; // "http:" + the entry's data-src
};

// Address of one listing page: category 1 films, 2 series; empty codes mean
// "all". Empty for any other category.
std::string listingPageAddress(int category, const std::string& typeCode, const std::string& yearCode, int page);

// Fetches one listing page and replaces `items` with its entries. Returns the
// number of listing pages, or 0 when the page yielded no entry.
int fetchListingPage(int category, const std::string& typeCode, const std::string& yearCode, int page,
                     std::vector<ListingItem>& items);

// The same over page text already fetched.
int parseListingPage(const std::string& page, std::vector<ListingItem>& items);

} // namespace pelizo
