// Small PNG pictures drawn by the demo site: posters and platform icons.
#pragma once

#include <cstdint>
#include <string>

namespace pelizo::demo {

// A poster of 150 x 210 pixels whose colours and pattern follow from `seed`.
std::string posterPng(uint32_t seed);

// A square icon of one colour with a lighter centre.
std::string iconPng(uint32_t rgb);

} // namespace pelizo::demo
