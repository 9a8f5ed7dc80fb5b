#include "net/charset.h"

#include <gtest/gtest.h>

namespace qinglan::net {
namespace {

ByteArray Bytes(const Text& text) { return ByteArray(text.begin(), text.end()); }

TEST(Charset, CodePages) {
    EXPECT_EQ(CharsetCodePage("utf-8"), 65001u);
    EXPECT_EQ(CharsetCodePage("UTF-8"), 65001u);
    EXPECT_EQ(CharsetCodePage("GBK"), 936u);
    EXPECT_EQ(CharsetCodePage("Big5"), 950u);
    EXPECT_EQ(CharsetCodePage("iso-8859-1"), 28591u);
    EXPECT_EQ(CharsetCodePage("x-unknown"), std::nullopt);
    EXPECT_EQ(CharsetCodePage(""), std::nullopt);
}

TEST(Charset, Decoding) {
    const Text zhongWen = "\xD6\xD0\xCE\xC4";  // 中文 in GBK
    EXPECT_EQ(DecodeCharset(Bytes("\xE4\xB8\xAD\xE6\x96\x87"), "utf-8", "kept"), zhongWen);
    EXPECT_EQ(DecodeCharset(Bytes("\xEF\xBB\xBF" "a"), "utf-8", "kept"), "a");  // no mark in the text
    EXPECT_EQ(DecodeCharset(Bytes("\xA4\xA4\xA4\xE5"), "big5", "kept"), zhongWen);
    EXPECT_EQ(DecodeCharset(Bytes(zhongWen), "GBK", "kept"), zhongWen);
    EXPECT_EQ(DecodeCharset(Bytes("caf\xE9"), "iso-8859-1", "kept"), "caf\xA8\xA6");  // é in GBK
    EXPECT_EQ(DecodeCharset(Bytes(Text("a\0b", 3)), "utf-8", "kept"), "a");
    EXPECT_EQ(DecodeCharset(Bytes("anything"), "x-unknown", "kept"), "kept");
    EXPECT_EQ(DecodeCharset({}, "utf-8", "kept"), "");
}

TEST(Charset, DeclaredInAPage) {
    struct Case {
        const char* head;
        const char* charset;
    };
    const Case cases[] = {
        {"<head><meta charset=\"utf-8\"></head>", "utf-8"},
        {"<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; CHARSET=Big5\"></HEAD>", "Big5"},
        {"<meta name=x>\n<p>charset=utf-8</p>", ""},   // "." stops at a line end
        {"<meta charset=>", ""},
        {"charset=utf-8", ""},
        {"<head></head>", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(DeclaredCharset(c.head), c.charset) << c.head;
}

}  // namespace
}  // namespace qinglan::net
