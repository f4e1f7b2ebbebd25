// The listing filters: type and year items of each category with the codes
// that go into a listing address. Index 0 is "全部" with an empty code.
#pragma once

#include <vector>

namespace pelizo {

struct FilterItem {
    const char* label; // code page 936
    const char* code;
};

// category 1 films, 2 series
const std::vector<FilterItem>& typeFilterItems(int category);
const std::vector<FilterItem>& yearFilterItems(int category);

} // namespace pelizo
