#include "net/codepage.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace pelizo {
namespace {

// iconv_t is a pointer type in glibc; wrap it so every path closes it.
class Iconv {
public:
    Iconv(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str()))
    {
    }
    ~Iconv()
    {
        if (valid())
            iconv_close(handle_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

std::string upper(std::string s)
{
    for (auto& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool isUtf8Name(const std::string& name)
{
    const auto u = upper(name);
    return u == "UTF-8" || u == "UTF8";
}

bool isDoubleByteChineseName(const std::string& name)
{
    const auto u = upper(name);
    return u == "GBK" || u == "CP936" || u == "GB2312" || u == "GB18030" || u == "EUC-CN"
        || u == "BIG5" || u == "BIG5-HKSCS";
}

// How many input bytes make up the unreadable character at `p`, so that it
// can be skipped whole.
size_t badCharLength(const std::string& from, const unsigned char* p, size_t left)
{
    if (left == 0)
        return 0;
    if (isUtf8Name(from)) {
        size_t want = 1;
        if (p[0] >= 0xF0 && p[0] <= 0xF4)
            want = 4;
        else if (p[0] >= 0xE0)
            want = 3;
        else if (p[0] >= 0xC2 && p[0] <= 0xDF)
            want = 2;
        size_t n = 1;
        while (n < want && n < left && (p[n] & 0xC0) == 0x80)
            ++n;
        return n;
    }
    if (isDoubleByteChineseName(from)) {
        const bool pair = p[0] >= 0x81 && p[0] <= 0xFE && left >= 2 && p[1] >= 0x40 && p[1] <= 0xFE && p[1] != 0x7F;
        return pair ? 2 : 1;
    }
    return 1;
}

// Decodes into UTF-32LE code units; unreadable characters become '?'.
bool decode(std::string_view bytes, const std::string& from, std::u32string& out)
{
    Iconv cd("UTF-32LE", from);
    if (!cd.valid())
        return false;
    out.clear();
    out.reserve(bytes.size());
    auto* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    std::vector<char32_t> buffer(4096);
    while (inLeft > 0) {
        auto* outPtr = reinterpret_cast<char*>(buffer.data());
        size_t outLeft = buffer.size() * sizeof(char32_t);
        const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        const size_t produced = (buffer.size() * sizeof(char32_t) - outLeft) / sizeof(char32_t);
        out.append(buffer.data(), produced);
        if (rc != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL (a character cut off at the end): one '?' for it.
        out.push_back(U'?');
        const size_t skip = errno == EINVAL ? inLeft
                                            : badCharLength(from, reinterpret_cast<unsigned char*>(in), inLeft);
        in += skip;
        inLeft -= skip;
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

// Encodes UTF-32 code points; characters the target lacks become '?'.
bool encode(const std::u32string& text, const std::string& to, std::string& out)
{
    Iconv cd(to, "UTF-32LE");
    if (!cd.valid())
        return false;
    out.clear();
    out.reserve(text.size() * 2);
    auto* in = reinterpret_cast<char*>(const_cast<char32_t*>(text.data()));
    size_t inLeft = text.size() * sizeof(char32_t);
    std::vector<char> buffer(16384);
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (rc != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        out.push_back('?');
        const size_t skip = inLeft < sizeof(char32_t) ? inLeft : sizeof(char32_t);
        in += skip;
        inLeft -= skip;
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

} // namespace

bool isKnownCharset(const std::string& charset)
{
    Iconv cd("UTF-32LE", charset);
    return !charset.empty() && cd.valid();
}

std::string convertEncoding(std::string_view bytes, const std::string& fromCharset,
                            const std::string& toCharset, bool* ok)
{
    std::u32string units;
    std::string out;
    const bool good = !fromCharset.empty() && !toCharset.empty() && decode(bytes, fromCharset, units)
        && encode(units, toCharset, out);
    if (ok)
        *ok = good;
    return good ? out : std::string(bytes);
}

std::string utf8ToGbk(std::string_view utf8) { return convertEncoding(utf8, "UTF-8", "CP936"); }

std::string gbkToUtf8(std::string_view gbk) { return convertEncoding(gbk, "CP936", "UTF-8"); }

} // namespace pelizo
