#include "net/codepage.h"

#include <gtest/gtest.h>

using namespace pelizo;

TEST(CodePage, ChineseRoundTripsBetweenUtf8AndGbk)
{
    const std::string utf8 = reinterpret_cast<const char*>(u8"全网Pelizo 第12集 €");
    const std::string gbk = utf8ToGbk(utf8);
    EXPECT_EQ(gbk, "全网Pelizo 第12集 \x80"); // literals of this file are code page 936
    EXPECT_EQ(gbkToUtf8(gbk), utf8);
}

TEST(CodePage, UnreadableAndUnmappableCharactersBecomeOneQuestionMarkEach)
{
    struct Case {
        const char* name;
        std::string input;
        std::string from, to;
        std::string expected;
    };
    const Case cases[] = {
        {"invalid utf-8 byte", "a\xFF" "b", "UTF-8", "CP936", "a?b"},
        {"cut three-byte char", "a\xE4\xB8", "UTF-8", "CP936", "a?"},
        {"emoji missing from 936", "x\xF0\x9F\x98\x80y", "UTF-8", "CP936", "x?y"},
        {"lone gbk lead byte at end", "ab\xD6", "CP936", "UTF-8", "ab?"},
        {"gbk pair with bad trail", "\xD6\x20z", "CP936", "UTF-8", "? z"},
    };
    for (const auto& c : cases) {
        bool ok = false;
        EXPECT_EQ(convertEncoding(c.input, c.from, c.to, &ok), c.expected) << c.name;
        EXPECT_TRUE(ok) << c.name;
    }
}

TEST(CodePage, UnknownCharsetLeavesTextUnchanged)
{
    bool ok = true;
    EXPECT_EQ(convertEncoding("abc", "no-such-charset", "CP936", &ok), "abc");
    EXPECT_FALSE(ok);
    EXPECT_FALSE(isKnownCharset("no-such-charset"));
    EXPECT_TRUE(isKnownCharset("gb2312"));
}
