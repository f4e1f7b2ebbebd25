#include "cli/json.h"

#include "net/codepage.h"

namespace pelizo::cli {

std::string jsonString(std::string_view utf8)
{
    static const char* hex = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0x0F];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string jsonText(std::string_view gbk) { return jsonString(gbkToUtf8(gbk)); }

std::string jsonArray(const std::vector<std::string>& encodedValues)
{
    std::string out = "[";
    for (size_t i = 0; i < encodedValues.size(); ++i)
        out += (i ? ", " : "") + encodedValues[i];
    return out + "]";
}

std::string jsonObject(const std::vector<std::pair<std::string, std::string>>& members)
{
    std::string out = "{";
    for (size_t i = 0; i < members.size(); ++i)
        out += (i ? ", " : "") + jsonString(members[i].first) + ": " + members[i].second;
    return out + "}";
}

} // namespace pelizo::cli
