#include "net/header_lines.h"

#include "net/text.h"

#include <strings.h>

namespace pelizo {

std::vector<std::string> splitHeaderLines(const std::string& block)
{
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < block.size()) {
        const auto end = block.find("\r\n", from);
        if (end == std::string::npos) {
            lines.push_back(block.substr(from));
            break;
        }
        lines.push_back(block.substr(from, end - from));
        from = end + 2;
    }
    return lines;
}

std::vector<std::string> mergeHeaderLinesReplacing(const std::vector<std::string>& lines)
{
    const auto nameOf = [](const std::string& line) { return line.substr(0, line.find(':')); };
    std::vector<std::string> merged;
    for (const auto& line : lines) {
        if (line.empty())
            continue;
        const std::string name = nameOf(line);
        const bool emptyValue = line.find(':') == std::string::npos || trimBlanks(line.substr(name.size() + 1)).empty();
        auto existing = merged.begin();
        while (existing != merged.end()
               && !(nameOf(*existing).size() == name.size() && strcasecmp(nameOf(*existing).c_str(), name.c_str()) == 0))
            ++existing;
        if (existing == merged.end()) {
            if (!emptyValue)
                merged.push_back(line);
        } else if (emptyValue) {
            merged.erase(existing);
        } else {
            *existing = line;
        }
    }
    return merged;
}

} // namespace pelizo
