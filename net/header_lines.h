// Header-block helpers shared by the web access clients.
#pragma once

#include <string>
#include <vector>

namespace pelizo {

// The lines of a CR LF separated block, in order; a trailing CR LF adds no
// empty line.
std::vector<std::string> splitHeaderLines(const std::string& block);

// Adds lines the way a header block added with "add, or replace" semantics
// ends up on the request: a later line whose name (any case) is already
// there takes that line's place; one with an empty value removes it.
std::vector<std::string> mergeHeaderLinesReplacing(const std::vector<std::string>& lines);

} // namespace pelizo
