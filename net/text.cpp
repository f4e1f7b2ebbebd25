#include "net/text.h"

#include "net/codepage.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace pelizo {
namespace {

char foldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Compares the needle with the text at `at`, character by character: bytes of
// a double-byte character compare exactly, ASCII bytes may fold case.
bool matchesAt(std::string_view text, size_t at, std::string_view needle, bool ignoreCase)
{
    if (at + needle.size() > text.size())
        return false;
    if (!ignoreCase)
        return text.compare(at, needle.size(), needle) == 0;
    for (size_t i = 0; i < needle.size();) {
        if (static_cast<unsigned char>(needle[i]) >= 0x80) {
            const size_t n = gbkCharLength(needle, i);
            if (text.compare(at + i, n, needle.substr(i, n)) != 0)
                return false;
            i += n;
        } else {
            if (foldAscii(text[at + i]) != foldAscii(needle[i]))
                return false;
            ++i;
        }
    }
    return true;
}

// Walks character boundaries forward; remembers how far it has got so that
// repeated searches over one text stay linear.
class BoundaryScanner {
public:
    explicit BoundaryScanner(std::string_view text) : text_(text) {}

    // First occurrence at a character boundary at 0-based index `from` or
    // later; npos if none.
    size_t find(std::string_view needle, size_t from, bool ignoreCase)
    {
        if (from < boundary_)
            boundary_ = 0; // cannot step backwards: start over from a known boundary
        if (needle.empty())
            return from < text_.size() ? from : std::string_view::npos;
        size_t candidate = from;
        while (candidate + needle.size() <= text_.size()) {
            if (!ignoreCase) {
                candidate = text_.find(needle, candidate);
                if (candidate == std::string_view::npos)
                    return candidate;
            }
            advanceTo(candidate);
            if (boundary_ == candidate && matchesAt(text_, candidate, needle, ignoreCase))
                return candidate;
            // Either a second byte or no match here: try the next boundary.
            candidate = boundary_ == candidate ? candidate + gbkCharLength(text_, candidate) : boundary_;
        }
        return std::string_view::npos;
    }

    // Declares a position known to be a character boundary.
    void restartAt(size_t knownBoundary) { boundary_ = knownBoundary; }

private:
    void advanceTo(size_t target)
    {
        while (boundary_ < target)
            boundary_ += gbkCharLength(text_, boundary_);
    }

    std::string_view text_;
    size_t boundary_ = 0;
};

long toPosition(size_t index) { return index == std::string_view::npos ? -1 : static_cast<long>(index) + 1; }

bool isBlankAt(std::string_view text, size_t i, size_t* length)
{
    if (text[i] == ' ') {
        *length = 1;
        return true;
    }
    if (i + 1 < text.size() && static_cast<unsigned char>(text[i]) == 0xA1
        && static_cast<unsigned char>(text[i + 1]) == 0xA1) {
        *length = 2;
        return true;
    }
    return false;
}

std::string withQuotes(std::string marker) { return replaceText(marker, "#引号", "\"", 1, -1, true); }

std::mutex& pumpMutex()
{
    static std::mutex m;
    return m;
}

std::shared_ptr<const std::function<void()>>& pumpSlot()
{
    static std::shared_ptr<const std::function<void()>> slot;
    return slot;
}

} // namespace

long findText(std::string_view text, std::string_view needle, long start, bool ignoreCase)
{
    const size_t from = start <= 1 ? 0 : static_cast<size_t>(start - 1);
    if (from >= text.size())
        return -1;
    if (needle.empty())
        return 1; // as the original primitive answers, whatever the start
    BoundaryScanner scanner(text);
    return toPosition(scanner.find(needle, from, ignoreCase));
}

long findTextBackwards(std::string_view text, std::string_view needle, long start, bool ignoreCase)
{
    if (start < 0)
        start = static_cast<long>(text.size()) + 1;
    if (start <= 1)
        return -1;
    const size_t limit = std::min(text.size(), static_cast<size_t>(start - 1));
    if (needle.size() > limit)
        return -1;
    long last = -1;
    for (size_t i = 0; i + needle.size() <= limit; i += gbkCharLength(text, i))
        if (matchesAt(text, i, needle, ignoreCase))
            last = static_cast<long>(i) + 1;
    return last;
}

std::string midText(std::string_view text, long start, long count)
{
    if (start < 1 || static_cast<size_t>(start) > text.size() || count <= 0)
        return {};
    return std::string(text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count)));
}

std::string trimBlanks(std::string_view text)
{
    size_t begin = 0;
    size_t length = 0;
    while (begin < text.size() && isBlankAt(text, begin, &length))
        begin += length;
    // Walk forward so that a trailing A1A1 is only taken at a character boundary.
    size_t end = begin;
    for (size_t i = begin; i < text.size();) {
        if (isBlankAt(text, i, &length)) {
            i += length;
            continue;
        }
        i += gbkCharLength(text, i);
        end = i;
    }
    return std::string(text.substr(begin, end - begin));
}

std::string replaceText(std::string_view text, std::string_view find, std::string_view replacement, long start,
                        long count, bool caseSensitive)
{
    if (text.empty() || find.empty())
        return std::string(text);
    const size_t from = start <= 1 ? 0 : std::min(text.size(), static_cast<size_t>(start - 1));
    std::string out(text.substr(0, from));
    BoundaryScanner scanner(text);
    size_t cursor = from;
    long done = 0;
    while (count < 0 || done < count) {
        const size_t hit = scanner.find(find, cursor, !caseSensitive);
        if (hit == std::string_view::npos)
            break;
        out.append(text.substr(cursor, hit - cursor));
        out.append(replacement);
        cursor = hit + find.size();
        scanner.restartAt(hit);
        ++done;
    }
    out.append(text.substr(cursor));
    return out;
}

std::string textBetween(std::string_view text, std::string leftMarker, std::string rightMarker, long start,
                        bool ignoreCase)
{
    leftMarker = withQuotes(std::move(leftMarker));
    rightMarker = withQuotes(std::move(rightMarker));
    const long left = findText(text, leftMarker, start, ignoreCase);
    const long c = left == -1 ? -1 : left + static_cast<long>(leftMarker.size());
    const long right = findText(text, rightMarker, c, ignoreCase);
    if (left == -1 || right == -1)
        return {};
    return midText(text, c, right - c);
}

std::string textBetweenAnyCase(std::string_view text, std::string leftMarker, std::string rightMarker, long start,
                               bool matchCase)
{
    return textBetween(text, std::move(leftMarker), std::move(rightMarker), start, !matchCase);
}

std::string textBetweenLast(std::string_view text, std::string_view closingMarker, std::string_view openingMarker,
                            long skipFromEnd, bool ignoreCase)
{
    const long n = skipFromEnd <= 0 ? -1 : skipFromEnd;
    const long c = findTextBackwards(text, closingMarker, static_cast<long>(text.size()) - n, ignoreCase);
    if (c == -1)
        return {};
    long d = findTextBackwards(text, openingMarker, c, ignoreCase);
    if (d == -1)
        return {};
    d += static_cast<long>(openingMarker.size());
    return midText(text, d, c - d);
}

long textBetweenAll(std::string_view text, std::string_view leftMarker, std::string_view rightMarker,
                    std::vector<std::string>& output, const BetweenAllOptions& options)
{
    output.clear();
    const bool ignoreCase = !options.matchCase;
    BoundaryScanner scanner(text);
    size_t d = options.start <= 1 ? 0 : static_cast<size_t>(options.start - 1);
    while (d < text.size()) {
        const size_t previous = d;
        const size_t f = scanner.find(leftMarker, d, ignoreCase);
        if (f == std::string_view::npos)
            break;
        const size_t afterLeft = f + leftMarker.size();
        scanner.restartAt(f);
        const size_t g = scanner.find(rightMarker, afterLeft, ignoreCase);
        if (g == std::string_view::npos)
            break;
        d = afterLeft;
        std::string item = options.prefix + trimBlanks(text.substr(d, g - d)) + options.suffix;
        if (!item.empty()) {
            if (options.withLeftMarker)
                item.insert(0, leftMarker);
            if (options.withRightMarker)
                item.append(rightMarker);
            if (options.maximumLength != 0) {
                const long length = static_cast<long>(item.size());
                if (length < options.maximumLength && length > options.minimumLength)
                    output.push_back(std::move(item));
                pumpMessages();
            } else {
                output.push_back(std::move(item));
            }
            d = g;
            scanner.restartAt(g);
        } else {
            scanner.restartAt(f);
        }
        for (int i = 0; i < 3; ++i)
            pumpMessages();
        if (d <= previous)
            break; // empty markers would never move on
    }
    return static_cast<long>(output.size());
}

std::string replaceEach(std::string_view text, const std::vector<Replacement>& pairs, long count, long start,
                        bool caseSensitive)
{
    std::string result(text);
    const long from = start == 0 ? 1 : start;
    for (size_t i = 0; i < pairs.size() && i < 5; ++i)
        result = replaceText(result, pairs[i].find, pairs[i].replacement, from, count, caseSensitive);
    return result;
}

void setMessagePump(std::function<void()> pump)
{
    auto slot = pump ? std::make_shared<const std::function<void()>>(std::move(pump)) : nullptr;
    std::lock_guard lock(pumpMutex());
    pumpSlot() = std::move(slot);
}

void pumpMessages()
{
    std::shared_ptr<const std::function<void()>> pump;
    {
        std::lock_guard lock(pumpMutex());
        pump = pumpSlot();
    }
    if (pump)
        (*pump)();
}

} // namespace pelizo
