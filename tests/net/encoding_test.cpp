#include "net/encoding.h"

#include <gtest/gtest.h>

namespace qinglan::net {
namespace {

const Text kZhong = "\xD6\xD0";            // 中 in GBK
const Text kZhongUtf8 = "\xE4\xB8\xAD";    // 中 in UTF-8
const ByteArray kZhongUnits = {0x2D, 0x4E, 0, 0};

TEST(Encoding, TextToUtf16) {
    EXPECT_EQ(TextToUtf16("A"), (ByteArray{0x41, 0, 0, 0}));
    EXPECT_EQ(TextToUtf16("A", true), (ByteArray{0x41, 0}));
    EXPECT_EQ(TextToUtf16(""), ByteArray{});
    EXPECT_EQ(TextToUtf16("", true), ByteArray{});
    EXPECT_EQ(TextToUtf16(kZhong + "a"), (ByteArray{0x2D, 0x4E, 0x61, 0, 0, 0}));
}

TEST(Encoding, Utf16ToText) {
    EXPECT_EQ(Utf16ToText({'a', 0, 'b', 0, 'c', 0}), "abc");
    EXPECT_EQ(Utf16ToText(kZhongUnits), kZhong);
    EXPECT_EQ(Utf16ToText({'a', 0, 0, 0, 'b', 0}), "a");   // up to the first zero
    EXPECT_EQ(Utf16ToText({'a', 0, 'b'}), "a");            // an odd byte is ignored
    EXPECT_EQ(Utf16ToText({}), "");
    EXPECT_EQ(Utf16ToText(TextToUtf16("开奖数据")), "开奖数据");
}

TEST(Encoding, CodePageConversions) {
    EXPECT_EQ(MultiByteToUtf16(kZhongUtf8), kZhongUnits);
    EXPECT_EQ(MultiByteToUtf16(kZhong, kGbkCodePage), kZhongUnits);
    EXPECT_EQ(MultiByteToUtf16(""), (ByteArray{0, 0}));     // keeps the terminator
    EXPECT_EQ(Utf16ToMultiByte(kZhongUnits, kGbkCodePage), kZhong);
    EXPECT_EQ(Utf16ToMultiByte(kZhongUnits, kUtf8CodePage), kZhongUtf8);
    EXPECT_EQ(Utf16ToMultiByte(kZhongUnits), kZhong);       // the ANSI code page is 936 here
    EXPECT_EQ(Utf8ToText(kZhongUtf8 + "x"), kZhong + "x");
    EXPECT_EQ(Utf8ToText(""), "");
}

TEST(Encoding, PercentDecode) {
    struct Case {
        const char* text;
        bool thenUtf8;
        Text expected;
    };
    const Case cases[] = {
        {"%e4%b8%ad", true, kZhong},
        {"%E4%B8%AD", true, kZhong},
        {"%e4%b8%ad", false, kZhongUtf8},
        {"a+b%20c", false, "a+b c"},
        {"a%00b", false, "ab"},
        {"100%", false, "100%"},
        {"a%4", false, "a%4"},
        {"%zz%41", false, "%zzA"},
        {"%4g%41", false, "%4gA"},
        {"%%41", false, "%A"},
        {"", true, ""},
        {"%7B%22values%22%3A%22%E3%80%90%E5%BC%A0%E4%B8%89%E3%80%91%22", true, "{\"values\":\"【张三】\""},
    };
    for (const Case& c : cases) EXPECT_EQ(PercentDecode(c.text, c.thenUtf8), c.expected) << c.text;
}

}  // namespace
}  // namespace qinglan::net
