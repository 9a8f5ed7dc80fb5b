#include "net/cookies.h"

#include <gtest/gtest.h>

namespace qinglan::net {
namespace {

TEST(Cookies, MergeTable) {
    struct Case {
        const char* kept;
        const char* fresh;
        const char* expected;
    };
    const Case cases[] = {
        {"a=1; b=2", "b=3", "b=3; a=1"},
        {"a=1", "a=deleted", ""},
        {"a=1; b=2", "a=deleted", "b=2"},
        {"x=1", "", "x=1"},
        {"", "", ""},
        {"", "a=1 2", "a=12"},
        {"", "c=1;c=1", "c=1"},
        {"", "c=1;c=2", "c=1; c=2"},
        {"a=1;;b=2", "", "a=1; b=2"},            // no empty entry survives
        {"a=1\xA1\xA1;\xA1\xA1" "b=2", "b=3", "b=3; a=1"},  // GBK spaces go too
        {"flag; a=1", "a=2", "a=2; flag"},       // a bare name is its own name
        {"A=1", "a=2", "a=2; A=1"},              // names compare in exact case
    };
    for (const Case& c : cases) {
        Text kept = c.kept;
        Text fresh = c.fresh;
        EXPECT_EQ(MergeCookies(kept, fresh), c.expected) << c.kept << " + " << c.fresh;
        EXPECT_EQ(kept, c.expected);
    }
}

TEST(Cookies, MergeRewritesBothVariables) {
    Text kept = " a = 1 ";
    Text fresh = "b = 2 ; c=3";
    EXPECT_EQ(MergeCookies(kept, fresh), "b=2; c=3; a=1");
    EXPECT_EQ(fresh, "b=2;c=3");
}

TEST(Cookies, Names) {
    EXPECT_EQ(CookieName(" sid = abc=def"), "sid");
    EXPECT_EQ(CookieName(" flag "), "flag");
    EXPECT_EQ(CookieName("=v"), "");
    EXPECT_EQ(CookieName(""), "");
    EXPECT_TRUE(HasCookieName({"a=1", " b =2"}, "b"));
    EXPECT_FALSE(HasCookieName({"a=1", "B=2"}, "b"));
    EXPECT_FALSE(HasCookieName({}, "a"));
}

TEST(Cookies, DuplicatesAndIndex) {
    EXPECT_EQ(RemoveDuplicates("a=1; b=2; a=1; a=2", "; "), "a=1; b=2; a=2");
    EXPECT_EQ(RemoveDuplicates("x", "; "), "x");
    EXPECT_EQ(RemoveDuplicates("", "; "), "");
    EXPECT_EQ(RemoveDuplicates("a,,b,", ","), "a,,b");
    EXPECT_EQ(IndexOfText({"a", "b", "a"}, "a"), 1);
    EXPECT_EQ(IndexOfText({"a", "b"}, "b"), 2);
    EXPECT_EQ(IndexOfText({"a", "b"}, "A"), -1);
    EXPECT_EQ(IndexOfText({}, ""), -1);
}

}  // namespace
}  // namespace qinglan::net
