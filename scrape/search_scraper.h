// The catalogue's search page.
#pragma once

#include <string>
#include <vector>

namespace pelizo {

struct SearchResult {
    std::string title;
    std::string kind;      // the site's category label of the hit
    std::string detailUrl; // absolute, as the page gives it
    std::string posterUrl; // "http:" + the picture's data-src
};

// The search address for an already trimmed keyword: empty category slot,
// page 0, the keyword inserted unchanged.
std::string searchAddress(const std::string& keyword);

// Replaces `results` with the hits the site lists before its first
// advertisement.
void searchTitles(const std::string& keyword, std::vector<SearchResult>& results);

void parseSearchPage(const std::string& page, std::vector<SearchResult>& results);

} // namespace pelizo
