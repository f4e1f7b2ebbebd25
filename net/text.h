// Marker helpers over code-page-936 byte strings.
//
// Positions are 1-based byte positions, lengths are byte counts. A byte of
// 0x80 or above starts a two-byte character, and no search ever matches
// starting on the second byte of such a character. Ignoring case folds the
// ASCII letters only. A blank is the ASCII space or the double-byte space A1A1.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelizo {

// -- primitives --------------------------------------------------------------

// Position of the first occurrence at byte `start` or later; -1 if none.
long findText(std::string_view text, std::string_view needle, long start = 1, bool ignoreCase = false);

// Position of the last occurrence lying wholly within the first start-1 bytes
// (start defaults to the end of the text + 1); -1 if none.
long findTextBackwards(std::string_view text, std::string_view needle, long start = -1,
                       bool ignoreCase = false);

std::string midText(std::string_view text, long start, long count);
std::string trimBlanks(std::string_view text);

// Left-to-right, non-overlapping replacement of at most `count` occurrences
// (count < 0: all) found at or after `start`.
std::string replaceText(std::string_view text, std::string_view find, std::string_view replacement = {},
                        long start = 1, long count = -1, bool caseSensitive = false);

// -- helpers -------------------------------------------------------------------

std::string textBetween(std::string_view text, std::string leftMarker, std::string rightMarker,
                        long start = 1, bool ignoreCase = false);

std::string textBetweenAnyCase(std::string_view text, std::string leftMarker, std::string rightMarker,
                               long start = 1, bool matchCase = false);

std::string textBetweenLast(std::string_view text, std::string_view closingMarker,
                            std::string_view openingMarker, long skipFromEnd = 0, bool ignoreCase = false);

struct BetweenAllOptions {
    bool matchCase = false;
    long maximumLength = 0; // 0: no length window
    long minimumLength = 0;
    std::string prefix;
    std::string suffix;
    bool withLeftMarker = false;
    bool withRightMarker = false;
    long start = 1;
};

long textBetweenAll(std::string_view text, std::string_view leftMarker, std::string_view rightMarker,
                    std::vector<std::string>& output, const BetweenAllOptions& options = {});

struct Replacement {
    std::string find;
    std::string replacement;
};

// Applies up to five replacements in turn, each over the previous result.
std::string replaceEach(std::string_view text, const std::vector<Replacement>& pairs, long count = -1,
                        long start = 1, bool caseSensitive = false);

// -- message pumping -------------------------------------------------------------

// Long scans call this so that a window toolkit can keep repainting. The core
// does nothing by default; the GUI installs a hook that pumps pending events
// when called on its own thread.
void setMessagePump(std::function<void()> pump);
void pumpMessages();

} // namespace pelizo
