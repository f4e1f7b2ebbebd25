// A plain HTTP download of a whole resource, for posters.
#pragma once

#include <string>

namespace pelizo {

// The bytes at `url` (code page 936 address), or empty on any failure or a
// non-success status.
std::string downloadBytes(const std::string& url);

} // namespace pelizo
