// A small JSON writer for the CLI: values are UTF-8, strings escaped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelizo::cli {

// A JSON string literal for UTF-8 text: quotes, backslashes and control
// characters escaped.
std::string jsonString(std::string_view utf8);

// Same, from code page 936 text.
std::string jsonText(std::string_view gbk);

std::string jsonArray(const std::vector<std::string>& encodedValues);

// Members are (name, already encoded value) pairs, in order.
std::string jsonObject(const std::vector<std::pair<std::string, std::string>>& members);

} // namespace pelizo::cli
