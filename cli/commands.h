// The scraper commands of pelizo-cli. Each takes its arguments in code page
// 936, prints one JSON value and returns the exit code: 0 something found,
// 1 empty result, 2 bad arguments.
#pragma once

#include <string>
#include <vector>

namespace pelizo::cli {

int listingCommand(const std::vector<std::string>& args);
int searchCommand(const std::vector<std::string>& args);
int filmCommand(const std::vector<std::string>& args);
int seriesCommand(const std::vector<std::string>& args);

} // namespace pelizo::cli
