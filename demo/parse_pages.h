// The demo parse services: pages that "play" an episode address on a canvas
// video, in the ways real parse services behave (one opens a pop-up, one
// carries a frame that asks for the fallback).
#pragma once

#include <string>

namespace pelizo::demo {

// `service` is the path's file name ("1.html" ... "5.html"); `target` the raw
// value after "url=". Returns UTF-8 HTML (this file's literals are UTF-8).
std::string parseServicePage(const std::string& service, const std::string& target);

// The small page inside the fallback-asking frame.
std::string parseFramePage();

} // namespace pelizo::demo
