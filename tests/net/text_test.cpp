#include "net/text.h"

#include <gtest/gtest.h>

using namespace pelizo;

TEST(TextPrimitives, FindIsOneBasedDoubleByteAwareAndFoldsAsciiOnly)
{
    struct Case {
        std::string text, needle;
        long start;
        bool ignoreCase;
        long expected;
    };
    const Case cases[] = {
        {"abcabc", "c", 1, false, 3},
        {"abcabc", "c", 4, false, 6},
        {"abcabc", "c", -5, false, 3},
        {"abcabc", "C", 1, false, -1},
        {"abcabc", "C", 1, true, 3},
        {"abc", "x", 1, false, -1},
        {"abc", "", 2, false, 1},
        {"abc", "", 4, false, -1},
        // "中文" is D6 D0 CE C4: D0 CE spans two characters and is no match.
        {"中文", "\xD0\xCE", 1, false, -1},
        {"中文", "文", 1, false, 3},
        // A trail byte that looks like ASCII is not matched, in any case mode.
        {"\xB0\x5B[", "[", 1, false, 3},
        {"\xB0\x61" "A", "a", 1, true, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findText(c.text, c.needle, c.start, c.ignoreCase), c.expected) << c.text << " / " << c.needle;

    EXPECT_EQ(findTextBackwards("(1)(2)(3)", ")"), 9);
    EXPECT_EQ(findTextBackwards("(1)(2)(3)", ")", 9), 6); // wholly within the first 8 bytes
    EXPECT_EQ(findTextBackwards("abc", "a", 1), -1);
    EXPECT_EQ(findTextBackwards("中文", "\xD0\xCE"), -1);
}

TEST(TextPrimitives, MidTrimAndReplace)
{
    EXPECT_EQ(midText("abcdef", 2, 3), "bcd");
    EXPECT_EQ(midText("abcdef", 5, 10), "ef");
    EXPECT_EQ(midText("abcdef", 0, 3), "");
    EXPECT_EQ(midText("abcdef", 7, 1), "");
    EXPECT_EQ(midText("abcdef", 2, 0), "");

    EXPECT_EQ(trimBlanks("　 a b\t 　"), "a b\t");
    EXPECT_EQ(trimBlanks("\r\n x \r\n"), "\r\n x \r\n");
    // A1 A1 formed by a trail byte and the next lead byte is no blank.
    EXPECT_EQ(trimBlanks("\xB0\xA1\xA1\xA2"), "\xB0\xA1\xA1\xA2");

    EXPECT_EQ(replaceText("aXaxa", "x", "-"), "a-a-a"); // case ignored by default
    EXPECT_EQ(replaceText("aXaxa", "x", "-", 1, -1, true), "aXa-a");
    EXPECT_EQ(replaceText("xxxx", "x", "y", 2, 2), "xyyx");
    EXPECT_EQ(replaceText("", "x", "y"), "");
    EXPECT_EQ(replaceText("abc", "", "y"), "abc");
}

TEST(TextBetween, CutsBetweenFirstLeftAndNextRightMarker)
{
    EXPECT_EQ(textBetween("a[x]b", "[", "]"), "x");
    EXPECT_EQ(textBetween("a[]b", "[", "]"), "");
    EXPECT_EQ(textBetween("a]b[c", "[", "]"), "");
    EXPECT_EQ(textBetween("abc", "", "c"), "ab");
    EXPECT_EQ(textBetween("abc", "a", ""), "");
    EXPECT_EQ(textBetween("<a class=\"cur\">7</a>", "class=#引号cur#引号>", "<"), "7");
    EXPECT_EQ(textBetween("x title y", "TITLE", "y"), "");
    EXPECT_EQ(textBetweenAnyCase("x title y", "TITLE", "y"), " ");
    EXPECT_EQ(textBetweenAnyCase("x title y", "TITLE", "y", 1, true), "");
    EXPECT_EQ(textBetween("[1][2]", "[", "]", 3), "2");
}

TEST(TextBetween, LastTakesTheNearestOpeningBeforeTheLastClosing)
{
    EXPECT_EQ(textBetweenLast("(1)(2)(3)", ")", "("), "3");
    EXPECT_EQ(textBetweenLast("(1)(2)3)", ")", "("), "2)3");
    EXPECT_EQ(textBetweenLast("(1)(2)(3)", ")", "(", 1), "2"); // skips the last two bytes
    EXPECT_EQ(textBetweenLast("(1)(2)(3)", "]", "("), "");
    EXPECT_EQ(textBetweenLast("1)2)", ")", "("), "");
}

TEST(TextBetween, AllCollectsTrimmedNonEmptySpans)
{
    std::vector<std::string> out{"old"};
    EXPECT_EQ(textBetweenAll("[[[a]]] [[[ ]]] [[[b]]]", "[[[", "]]]", out), 2);
    EXPECT_EQ(out, (std::vector<std::string>{"a", "b"}));

    // A closing quote opens the next span.
    EXPECT_EQ(textBetweenAll("\"a\"b\"c\"", "\"", "\"", out), 3);
    EXPECT_EQ(out, (std::vector<std::string>{"a", "b", "c"}));

    // Markers in any case by default, exact with matchCase.
    textBetweenAll("<A>x</a><a>y</A>", "<a>", "</a>", out);
    EXPECT_EQ(out, (std::vector<std::string>{"x", "y"}));
    textBetweenAll("<A>x</a><a>y</a>", "<a>", "</a>", out, {.matchCase = true});
    EXPECT_EQ(out, (std::vector<std::string>{"y"}));

    // The length window counts the item with prefix, suffix and markers, strictly.
    BetweenAllOptions window;
    window.maximumLength = 5;
    window.minimumLength = 3;
    window.prefix = "<";
    window.withRightMarker = true;
    textBetweenAll("[ab][abc][a]", "[", "]", out, window);
    EXPECT_EQ(out, (std::vector<std::string>{"<ab]"}));

    BetweenAllOptions marked;
    marked.withLeftMarker = true;
    marked.start = 4;
    textBetweenAll("[a][b]", "[", "]", out, marked);
    EXPECT_EQ(out, (std::vector<std::string>{"[b"}));

    EXPECT_EQ(textBetweenAll("xyz", "", "", out), 0);
}

TEST(TextBetween, AllPumpsMessagesWhileScanning)
{
    int pumped = 0;
    setMessagePump([&] { ++pumped; });
    std::vector<std::string> out;
    textBetweenAll("[a][b]", "[", "]", out);
    setMessagePump(nullptr);
    EXPECT_EQ(pumped, 6);
}

TEST(ReplaceEach, AppliesPairsInTurn)
{
    const std::string text = "更新至&nbsp;第 3\r\n集\n";
    EXPECT_EQ(replaceEach(text, {{"&NBSP;", ""}, {" ", ""}, {"\r\n", ""}}), "更新至第3集\n");
    EXPECT_EQ(replaceEach("aaa", {{"a", "b"}, {"b", "c"}}, 1), "caa");
    EXPECT_EQ(replaceEach("aAa", {{"a", "b"}}, -1, 0, true), "bAb");
}
