// Pieces shared by the film and series detail scrapers.
#pragma once

#include <string>

namespace pelizo {

// The introduction block: between the first two "<!-- 介绍 -->" comments.
std::string introductionBlock(const std::string& page);

// The text of a labelled line of the block: from "label</em>" to "</li>".
std::string labelledLine(const std::string& block, const std::string& label);

// The first link text of a labelled line.
std::string firstLinkText(const std::string& block, const std::string& label);

// The cast names of the block, each followed by "、"; the last `dropLast`
// links of the line are left out.
std::string castNames(const std::string& block, int dropLast);

} // namespace pelizo
