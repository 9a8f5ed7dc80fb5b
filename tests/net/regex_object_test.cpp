#include "net/regex_object.h"

#include <gtest/gtest.h>

namespace qinglan::net {
namespace {

const char* const kRowPattern = "<span class=\"c_ba2636\" kjhm=\"(.*?)\">(.*?) </span>";
const char* const kCharsetPattern = "<meta.+?charset=[^\\w]?([-\\w]+)";

const char* const kTrendPage =
    "<html><head><meta charset=\"gb2312\"><title>基本走势</title></head><body><table>\n"
    "<tr><td><span class=\"c_ba2636\" kjhm=\"3,5,0,1,9\">20250101041 </span></td><td>和值 18</td></tr>\n"
    "<tr><td><span class=\"c_ba2636\" kjhm=\"7,7,2,4,0\">20250101042 </span></td><td>和值 20</td></tr>\n"
    "<tr><td><span class=\"c_000000\" kjhm=\"1,1,1,1,1\">20250101043 </span></td></tr>\n"
    "</table></body></html>";

TEST(RegexObject, DrawRowsOfATrendPage) {
    RegexObject rows;
    ASSERT_TRUE(rows.Create(kRowPattern, kTrendPage));
    ASSERT_EQ(rows.MatchCount(), 2);
    EXPECT_EQ(rows.SubMatchCount(), 2);
    EXPECT_EQ(rows.SubMatchText(1, 1), "3,5,0,1,9");
    EXPECT_EQ(rows.SubMatchText(1, 2), "20250101041");
    EXPECT_EQ(rows.SubMatchText(2, 1), "7,7,2,4,0");
    EXPECT_EQ(rows.SubMatchText(2, 2), "20250101042");
    EXPECT_EQ(rows.MatchText(2), "<span class=\"c_ba2636\" kjhm=\"7,7,2,4,0\">20250101042 </span>");
    // Outside the collection: empty, never a failure.
    EXPECT_EQ(rows.MatchText(3), "");
    EXPECT_EQ(rows.MatchText(0), "");
    EXPECT_EQ(rows.SubMatchText(1, 3), "");
    EXPECT_EQ(rows.SubMatchText(3, 1), "");
}

TEST(RegexObject, CharsetDeclarations) {
    struct Case {
        const char* page;
        const char* charset;
    };
    const Case cases[] = {
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />", "gb2312"},
        {"<html><META charset=\"UTF-8\"></html>", "UTF-8"},
        {"<meta charset=utf-8>", "utf-8"},
        {"<meta content='text/html; charset=big5'>", "big5"},
        {"<html>no declaration</html>", ""},
    };
    for (const Case& c : cases) {
        RegexObject finder;
        ASSERT_TRUE(finder.Create(kCharsetPattern, c.page));
        EXPECT_EQ(finder.SubMatchText(1, 1), c.charset) << c.page;
    }
}

TEST(RegexObject, NoMatchAndInvalidPattern) {
    RegexObject none;
    EXPECT_TRUE(none.Create("abc", "xyz"));
    EXPECT_EQ(none.MatchCount(), 0);
    EXPECT_EQ(none.SubMatchText(1, 1), "");
    EXPECT_EQ(none.SubMatchCount(), 0);

    RegexObject invalid;
    EXPECT_FALSE(invalid.Create("(", "((("));
    EXPECT_EQ(invalid.MatchCount(), 0);
    EXPECT_EQ(invalid.MatchText(1), "");

    RegexObject unused;  // nothing created: every question has the empty answer
    EXPECT_EQ(unused.GetPattern(), "");
    EXPECT_EQ(unused.Replace("x"), "");
    EXPECT_EQ(unused.MatchCount(), 0);
}

TEST(RegexObject, Options) {
    struct Case {
        const char* pattern;
        const char* subject;
        RegexOptions options;
        int matches;
    };
    const Case cases[] = {
        {"abc", "ABC", {}, 1},
        {"abc", "ABC", {.caseSensitive = true}, 0},
        {"^b", "a\nb\nb", {}, 2},
        {"^b", "a\nb\nb", {.multiLine = false}, 0},
        {"b", "bbb", {}, 3},
        {"b", "bbb", {.global = false}, 1},
        {"a#引号b", "a\"b", {.quoteWord = true}, 1},
        {"a#引号b", "a\"b", {}, 0},
        {"a#引号b", "a#引号b", {}, 1},
    };
    for (const Case& c : cases) {
        RegexObject regex;
        ASSERT_TRUE(regex.Create(c.pattern, c.subject, c.options)) << c.pattern;
        EXPECT_EQ(regex.MatchCount(), c.matches) << c.pattern << " over " << c.subject;
    }
}

TEST(RegexObject, GbkTextAndPositions) {
    RegexObject regex;
    ASSERT_TRUE(regex.Create("第(\\d+)期", "中文 第123期 第45期"));
    ASSERT_EQ(regex.MatchCount(), 2);
    EXPECT_EQ(regex.SubMatchText(2, 1), "45");
    int position = 0;
    // "中文 第123期 " is 4 + 1 + 2 + 3 + 2 + 1 bytes: the second match starts at byte 13.
    EXPECT_EQ(regex.MatchText(2, &position), "第45期");
    EXPECT_EQ(position, 13);
    EXPECT_EQ(regex.SubMatchText(1, 1, &position), "123");
    EXPECT_EQ(position, 7);
    regex.MatchText(5, &position);
    EXPECT_EQ(position, -1);
}

TEST(RegexObject, PatternReplaceAndCopy) {
    auto copy = [] {
        RegexObject original;
        EXPECT_TRUE(original.Create("(\\d)", "a1b2"));
        EXPECT_EQ(original.GetPattern(), "(\\d)");
        EXPECT_EQ(original.Replace("<$1>"), "a<1>b<2>");
        return original.Copy();
    }();
    // The copy outlives the original and still answers.
    EXPECT_EQ(copy.MatchCount(), 2);
    EXPECT_EQ(copy.MatchText(2), "2");
    EXPECT_EQ(copy.Replace("#"), "a#b#");
    copy.Reserved();
    // A second Create replaces the first.
    ASSERT_TRUE(copy.Create("x", "xx"));
    EXPECT_EQ(copy.MatchCount(), 2);
    EXPECT_EQ(copy.GetPattern(), "x");
}

}  // namespace
}  // namespace qinglan::net
