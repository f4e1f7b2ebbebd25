#include "net/regex_object.h"

#include <gtest/gtest.h>

using namespace pelizo;

namespace {

std::vector<std::string> allMatches(const std::string& pattern, const std::string& subject)
{
    RegexObject regex;
    regex.create(pattern, subject);
    std::vector<std::string> out;
    for (int i = 1; i <= regex.matchCount(); ++i)
        out.push_back(regex.matchText(i));
    return out;
}

using Matches = std::vector<std::string>;

} // namespace

TEST(RegexObject, DialectOfTheScraperPatterns)
{
    // "." stops at a line feed only; "[\s\S]" crosses it.
    EXPECT_EQ(allMatches("a.b", "a\nb a\rb"), (Matches{"a\rb"}));
    EXPECT_EQ(allMatches("a[\\s\\S]b", "a\nb"), (Matches{"a\nb"}));
    // \s is exactly space, tab, LF, CR, FF, VT: not the ideographic space.
    EXPECT_EQ(allMatches("\\s", " \t\n\r\f\v　").size(), 6u);
    EXPECT_EQ(allMatches("\\w+", "ab_9中文x"), (Matches{"ab_9", "x"}));
    EXPECT_EQ(allMatches("\\x41", "aA"), (Matches{"a", "A"})); // case ignored by default
    // Lazy quantifiers take the shortest span.
    EXPECT_EQ(allMatches("<b>(.*?)</b>", "<b>1</b><B>2</B>"), (Matches{"<b>1</b>", "<B>2</B>"}));
    // One Chinese character is one character to the pattern.
    EXPECT_EQ(allMatches("[^\\x20-\\x7f]", "中a\r\nb文"), (Matches{"中", "\r", "\n", "文"}));
    EXPECT_EQ(allMatches("^b", "a\nb"), (Matches{"b"})); // multi-line
}

TEST(RegexObject, EmptyMatchesAdvanceOneCharacter)
{
    EXPECT_EQ(allMatches("x*", "ab").size(), 3u);
    EXPECT_EQ(allMatches("x*", "中b").size(), 3u);
}

TEST(RegexObject, GroupsAndIndexes)
{
    RegexObject regex;
    ASSERT_TRUE(regex.create("(a)|(b)", "ab"));
    EXPECT_EQ(regex.matchCount(), 2);
    EXPECT_EQ(regex.subMatchCount(), 2);
    EXPECT_EQ(regex.subMatchText(1, 1), "a");
    EXPECT_EQ(regex.subMatchText(1, 2), ""); // did not take part
    EXPECT_EQ(regex.subMatchText(2, 2), "b");
    EXPECT_EQ(regex.matchText(3), "");
    EXPECT_EQ(regex.subMatchText(1, 3), "");
    long position = 0;
    regex.create("文(.)", "中文字");
    EXPECT_EQ(regex.matchText(1, &position), "文字");
    EXPECT_EQ(position, 2);
    EXPECT_EQ(regex.subMatchText(1, 1, &position), "字");
    EXPECT_EQ(position, 3);
}

TEST(RegexObject, CreateResultsAndRecreation)
{
    RegexObject regex;
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_EQ(regex.patternText(), "");
    EXPECT_TRUE(regex.create("zzz", "abc"));
    EXPECT_EQ(regex.matchCount(), 0);
    EXPECT_FALSE(regex.create("(unclosed", "abc"));
    EXPECT_EQ(regex.matchCount(), 0);

    ASSERT_TRUE(regex.create("a", "aaa"));
    ASSERT_TRUE(regex.create("b", "xbx"));
    EXPECT_EQ(regex.matchCount(), 1);
    EXPECT_EQ(regex.patternText(), "b");
    EXPECT_EQ(regex.replace("-"), "x-x");

    EXPECT_TRUE(regex.create("A", "aAa", true));
    EXPECT_EQ(regex.matchCount(), 1);
    EXPECT_TRUE(regex.create("a", "aaa", false, true, false));
    EXPECT_EQ(regex.matchCount(), 1);
}

TEST(RegexObject, QuoteMarkerOnlyWhenAsked)
{
    RegexObject regex;
    regex.create("href=#引号(.*?)#引号", "href=\"x\"");
    EXPECT_EQ(regex.matchCount(), 0);
    regex.create("href=#引号(.*?)#引号", "href=\"x\"", false, true, true, true);
    EXPECT_EQ(regex.subMatchText(1, 1), "x");
    EXPECT_EQ(regex.patternText(), "href=\"(.*?)\"");
}

TEST(RegexObject, ReplaceAndCopy)
{
    RegexObject regex;
    regex.create("\\s", "a b\tc\r\nd");
    EXPECT_EQ(regex.replace(""), "abcd");
    regex.create("(\\w)(\\d)", "a1 b2");
    EXPECT_EQ(regex.replace("$2$1[$&]$$"), "1a[a1]$ 2b[b2]$");
    RegexObject copy = regex.copy();
    regex.create("x", "y");
    EXPECT_EQ(copy.matchCount(), 2);
    EXPECT_EQ(copy.subMatchText(2, 1), "b");
    EXPECT_EQ(copy.replace("-"), "- -");
}

TEST(RegexObject, WalkLimitsEndWithTheMatchesFoundSoFar)
{
    RegexObject::setWalkAttemptLimit(2);
    RegexObject regex;
    EXPECT_TRUE(regex.create("a[\\s\\S]*?b", "ab ab ab " + std::string(20000, 'a')));
    RegexObject::setWalkAttemptLimit(20'000'000);
    EXPECT_EQ(regex.matchCount(), 2);

    // A pattern that backtracks without end on this subject stops at the
    // step limit instead of hanging the caller.
    EXPECT_TRUE(regex.create("(a|aa)+(a|aa)+c", std::string(60, 'a') + "bc"));
    EXPECT_EQ(regex.matchCount(), 0);
}
