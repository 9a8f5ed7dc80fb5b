#include "net/text.h"

#include <gtest/gtest.h>

namespace qinglan::net {
namespace {

// "\xB0" "A" is one double-byte character whose trail byte is the letter A;
// "\x81" "[" one whose trail byte is "[". Naive byte code matches inside them.
struct FindCase {
    const char* text;
    const char* wanted;
    int start;
    bool anyCase;
    int expected;
};

TEST(TextFind, Table) {
    const FindCase cases[] = {
        {"abcabc", "bc", 0, false, 2},
        {"abcabc", "bc", 3, false, 5},
        {"abcabc", "bc", -4, false, 2},
        {"abcabc", "bc", 6, false, -1},
        {"abcabc", "bc", 99, false, -1},
        {"abc", "x", 0, false, -1},
        {"abc", "abcd", 0, false, -1},
        {"abc", "", 0, false, 1},
        {"abc", "", 3, false, 1},
        {"", "", 0, false, -1},
        {"", "a", 0, false, -1},
        {"ABC", "b", 0, false, -1},
        {"ABC", "b", 0, true, 2},
        {"xAbC", "aBc", 0, true, 2},
        {"\xB0" "A" "A", "A", 0, false, 3},          // the first A is a trail byte
        {"\xB0" "a" "A", "A", 0, true, 3},           // and is not case-folded
        {"\xB0" "a", "\xB0" "A", 0, true, -1},       // two different characters
        {"\xB0" "A", "\xB0" "A", 0, true, 1},
        {"\x81" "[x][y]", "[", 0, false, 5},
        {"\xD6\xD0\xCE\xC4", "\xD0\xCE", 0, false, -1},  // straddles two characters
        {"\xD6\xD0\xCE\xC4", "\xCE\xC4", 0, false, 3},
        {"\xB0" "AA", "A", 2, false, 3},             // a start on a trail byte
        {"a\xB0", "\xB0", 0, false, 2},              // a lone lead byte at the end
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(Find(c.text, c.wanted, c.start, c.anyCase), c.expected)
            << "find '" << c.wanted << "' in '" << c.text << "' from " << c.start;
    }
}

TEST(TextCut, MidLeftRight) {
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
    EXPECT_EQ(Mid("abcdef", 6, 1), "f");
    EXPECT_EQ(Mid("abcdef", 7, 1), "");
    EXPECT_EQ(Mid("abcdef", 0, 3), "");
    EXPECT_EQ(Mid("abcdef", 2, 0), "");
    EXPECT_EQ(Mid("abcdef", 2, -1), "");
    EXPECT_EQ(Left("abcdef", 2), "ab");
    EXPECT_EQ(Left("abcdef", 0), "");
    EXPECT_EQ(Left("abcdef", -3), "");
    EXPECT_EQ(Left("abc", 10), "abc");
    EXPECT_EQ(Right("abcdef", 2), "ef");
    EXPECT_EQ(Right("abcdef", 0), "");
    EXPECT_EQ(Right("abc", 10), "abc");
    EXPECT_EQ(Right("", 1), "");
}

TEST(TextReplace, Table) {
    struct Case {
        const char* text;
        const char* old;
        const char* replacement;
        bool anyCase;
        const char* expected;
    };
    const Case cases[] = {
        {"a-b-c", "-", "+", false, "a+b+c"},
        {"aaa", "aa", "b", false, "ba"},         // left to right, no overlap
        {"abc", "", "x", false, "abc"},
        {"abc", "x", "y", false, "abc"},
        {"Set-COOKIE x set-cookie", "set-cookie", "Set-Cookie", true, "Set-Cookie x Set-Cookie"},
        {"Ab", "a", "", false, "Ab"},
        {"\xB0" "AA", "A", "z", false, "\xB0" "Az"},   // the trail byte stays
        {"a#引号b#引号", "#引号", "\"", false, "a\"b\""},
        {"", "a", "b", false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Replace(c.text, c.old, c.replacement, c.anyCase), c.expected) << c.text;
    }
}

TEST(TextSplit, Table) {
    using Pieces = std::vector<Text>;
    EXPECT_EQ(Split("a;b;c", ";"), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(Split("a;;b", ";"), (Pieces{"a", "", "b"}));
    EXPECT_EQ(Split(";a", ";"), (Pieces{"", "a"}));
    EXPECT_EQ(Split("a;", ";"), (Pieces{"a"}));           // no empty remainder
    EXPECT_EQ(Split("a;;", ";"), (Pieces{"a", ""}));
    EXPECT_EQ(Split("", ";"), Pieces{});
    EXPECT_EQ(Split("abc", ";"), (Pieces{"abc"}));
    EXPECT_EQ(Split("a\r\nb\r\n\r\n", "\r\n"), (Pieces{"a", "b", ""}));
    EXPECT_EQ(Split("x; y; z", "; "), (Pieces{"x", "y", "z"}));
    EXPECT_EQ(Split("\x81;" ";b", ";"), (Pieces{"\x81;", "b"}));  // ";" as a trail byte is no separator
}

TEST(TextSpaces, TrimAndRemove) {
    EXPECT_EQ(Trim("  ab c  "), "ab c");
    EXPECT_EQ(Trim("\xA1\xA1 ab\xA1\xA1"), "ab");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\tab\t"), "\tab\t");  // only the two spaces count
    // B0 A1 is a character whose trail byte is A1; the A1 A1 after it is a space.
    EXPECT_EQ(Trim("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
    // C0 A1 then a lone A1: no double-byte space at the end.
    EXPECT_EQ(Trim("\xC0\xA1\xA1"), "\xC0\xA1\xA1");
    EXPECT_EQ(RemoveSpaces(" a b\xA1\xA1" "c "), "abc");
    EXPECT_EQ(RemoveSpaces("\xB0\xA1\xA1\xA1x"), "\xB0\xA1x");
    EXPECT_EQ(RemoveSpaces(""), "");
}

TEST(TextBetween, Table) {
    struct Case {
        const char* text;
        const char* left;
        const char* right;
        int start;
        bool anyCase;
        const char* expected;
    };
    const Case cases[] = {
        {"a[x]b[y]", "[", "]", 0, false, "x"},
        {"]a[b]", "[", "]", 0, false, "b"},
        {"a[x", "[", "]", 0, false, ""},
        {"ax]", "[", "]", 0, false, ""},
        {"a[]b", "[", "]", 0, false, ""},
        {"abc]", "", "]", 0, false, "abc"},
        {"abc", "a", "", 0, false, ""},
        {"a[x]b[y]", "[", "]", 4, false, "y"},
        {"xAy XBy", "x", "y", 3, false, ""},
        {"xAy XBy", "x", "y", 3, true, "B"},
        {"\x81[a][b]", "[", "]", 0, false, "b"},
        {"{\"CurrentPeriod\":\"20250101042\",\"CurrentLottery\":\"1,2,3,4,5\"}", "CurrentPeriod#引号:#引号20",
         "#引号", 0, false, "250101042"},
        {"{\"CurrentPeriod\":\"20250101042\",\"CurrentLottery\":\"1,2,3,4,5\"}", "CurrentLottery\":\"", "\"", 0,
         false, "1,2,3,4,5"},
        {"{\"values\":\"【张三】计划 01 02\",\"time\":\"x\"}", "{\"values\":\"", "\",\"time\"", 0, false,
         "【张三】计划 01 02"},
        {"【张三】计划", "【", "】", 0, false, "张三"},
        {"Set-Cookie: a=1; path=/", "Set-Cookie:", ";", 0, false, " a=1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextBetween(c.text, c.left, c.right, c.start, c.anyCase), c.expected)
            << c.text << " between '" << c.left << "' and '" << c.right << "'";
    }
}

}  // namespace
}  // namespace qinglan::net
