// The one regular-expression facility: a pattern compiled over one subject,
// all matches collected at once, read back by 1-based index.
//
// Patterns use the script-engine dialect the scrapers are written in: lazy
// quantifiers, "." stopping only at a line feed, case-insensitive, multi-line
// and global by default. Texts in and out are code-page-936 byte strings; the
// engine itself works on characters (PCRE2 in UTF mode).
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace pelizo {

class RegexObject {
public:
    RegexObject();
    ~RegexObject();
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;
    RegexObject(RegexObject&&) noexcept;
    RegexObject& operator=(RegexObject&&) noexcept;

    // Shares the compiled pattern and match list, keeps its own subject copy.
    RegexObject copy() const;

    // Compiles `pattern` and runs it over `subject`. True when a match list
    // exists (the pattern compiled), whether or not anything matched.
    bool create(const std::string& pattern, const std::string& subject, bool caseSensitive = false,
                bool multiline = true, bool global = true, bool quoteMarker = false);

    std::string patternText() const;
    // The stored subject with the matches replaced; "$1".."$99", "$&", "$`",
    // "$'" and "$$" are expanded in the replacement.
    std::string replace(const std::string& replacement) const;
    int matchCount() const;
    // Optional position outputs are 1-based character positions.
    std::string matchText(int index, long* position = nullptr) const;
    std::string subMatchText(int index, int group, long* position = nullptr) const;
    int subMatchCount() const;

    // Upper bound of start positions tried in one walk; past it the walk ends
    // with the matches found so far. Exposed for tests.
    static void setWalkAttemptLimit(unsigned long limit);

private:
    struct Engine;
    struct MatchList;
    std::shared_ptr<const Engine> engine_;
    std::shared_ptr<const MatchList> matches_;
    std::string subject_;
};

} // namespace pelizo
