// Code-page conversions over iconv.
//
// Application text is a byte string in code page 936 (GBK). Every conversion
// here replaces a character that cannot be read or cannot be written with a
// single "?", skipping the whole character, and never throws.
#pragma once

#include <string>
#include <string_view>

namespace pelizo {

// Converts bytes from one iconv charset name to another. When either charset
// is unknown to iconv, `ok` is set to false and the input comes back unchanged.
std::string convertEncoding(std::string_view bytes, const std::string& fromCharset,
                            const std::string& toCharset, bool* ok = nullptr);

// Whether iconv knows the charset name.
bool isKnownCharset(const std::string& charset);

std::string utf8ToGbk(std::string_view utf8);
std::string gbkToUtf8(std::string_view gbk);

// Length of the code-page-936 character that starts at text[i] (1 or 2).
inline size_t gbkCharLength(std::string_view text, size_t i)
{
    return (static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size()) ? 2 : 1;
}

} // namespace pelizo
