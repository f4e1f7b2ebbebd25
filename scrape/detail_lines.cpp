#include "scrape/detail_lines.h"

#include "net/regex_object.h"
#include "net/text.h"

namespace pelizo {

std::string introductionBlock(const std::string& page) { return textBetween(page, "<!-- 介绍 -->", "<!-- 介绍 -->"); }

std::string labelledLine(const std::string& block, const std::string& label)
{
    return textBetween(block, label + "</em>", "</li>");
}

std::string firstLinkText(const std::string& block, const std::string& label)
{
    return textBetween(labelledLine(block, label), ">", "</a>");
}

std::string castNames(const std::string& block, int dropLast)
{
    RegexObject regex;
    regex.create(">(.*?)</a>", labelledLine(block, "主演："));
    std::string cast;
    for (int n = 1; n <= regex.matchCount() - dropLast; ++n)
        cast += regex.subMatchText(n, 1) + "、";
    return cast;
}

} // namespace pelizo
