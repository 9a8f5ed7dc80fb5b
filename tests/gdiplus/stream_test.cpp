// HGlobalStream: bytes into a global block and back.
#include <gtest/gtest.h>

#include "gdiplus/stream.h"

namespace qinglan::gdiplus {
namespace {

TEST(Stream, CopiesBytesAndGivesThemBack) {
    const ByteArray bytes = {1, 2, 3, 4, 5};
    struct Case {
        std::optional<SIZE_T> size;
        ByteArray expected;
    } cases[] = {{std::nullopt, bytes}, {SIZE_T{3}, {1, 2, 3}}, {SIZE_T{0}, {}}};
    for (const Case& c : cases) {
        HGlobalStream stream;
        ASSERT_NE(stream.CreateFromBytes(bytes, c.size), nullptr);
        EXPECT_EQ(stream.GetSize(), c.expected.size());
        EXPECT_EQ(stream.ToBytes(), c.expected);
        ULARGE_INTEGER position{};
        ASSERT_EQ(stream.GetStream()->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position), S_OK);
        EXPECT_EQ(position.QuadPart, 0u);  // readers start at byte 0
    }
}

TEST(Stream, SizeBeyondTheBytesIsRefused) {
    HGlobalStream stream;
    EXPECT_EQ(stream.CreateFromBytes({1, 2}, SIZE_T{3}), nullptr);
    EXPECT_EQ(stream.GetStream(), nullptr);
    EXPECT_EQ(stream.GetMemory(), nullptr);
}

TEST(Stream, ReleaseFreesTheBlockAndWrittenBytesAreSeen) {
    long handles = LiveHandleCount();
    HGlobalStream stream;
    IStream* raw = stream.CreateFromBytes();
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(LiveHandleCount(), handles + 1);
    const char text[] = "written";
    ULONG written = 0;
    ASSERT_EQ(raw->Write(text, 7, &written), S_OK);
    EXPECT_EQ(stream.ToBytes(), ByteArray(text, text + 7));
    stream.Release();
    EXPECT_EQ(LiveHandleCount(), handles);
    EXPECT_EQ(stream.GetStream(), nullptr);
    stream.Release();  // nothing held: nothing happens
}

TEST(Stream, AttachTakesAStreamOverGlobalMemory) {
    IStream* own = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &own), S_OK);
    ULONG written = 0;
    ASSERT_EQ(own->Write("abc", 3, &written), S_OK);
    HGlobalStream stream;
    EXPECT_TRUE(stream.Attach(own));  // takes our reference
    EXPECT_NE(stream.GetMemory(), nullptr);
    EXPECT_EQ(stream.ToBytes(), (ByteArray{'a', 'b', 'c'}));
    EXPECT_FALSE(HGlobalStream().Attach(nullptr));
}

}  // namespace
}  // namespace qinglan::gdiplus
