#include "runtime/handle.h"

#include <gtest/gtest.h>

namespace qinglan {
namespace {

TEST(Handle, OwnedHandleIsClosedOnceAndCounted) {
    const long before = LiveHandleCount();
    HBRUSH raw = CreateSolidBrush(RGB(1, 2, 3));
    {
        UniqueBrush brush(raw);
        EXPECT_EQ(LiveHandleCount(), before + 1);
        UniqueBrush moved(std::move(brush));
        EXPECT_FALSE(brush);
        EXPECT_EQ(moved.Get(), raw);
        EXPECT_EQ(LiveHandleCount(), before + 1);
    }
    EXPECT_EQ(LiveHandleCount(), before);
    EXPECT_EQ(GetObjectType(raw), 0u) << "the brush was deleted";
}

TEST(Handle, ResetClosesThePreviousAndReleaseGivesUpOwnership) {
    const long before = LiveHandleCount();
    HPEN first = CreatePen(PS_SOLID, 1, 0), second = CreatePen(PS_SOLID, 2, 0);
    UniquePen pen(first);
    pen.Reset(second);
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_EQ(pen.Release(), second);
    EXPECT_EQ(LiveHandleCount(), before);
    EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_PEN)) << "released, not deleted";
    DeleteObject(second);
}

TEST(Handle, BorrowedHandleIsNeverClosed) {
    HBRUSH raw = CreateSolidBrush(0);
    { Handle<GdiObjectTraits<HBRUSH>, false> borrowed(raw); }
    EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(raw);
}

TEST(SelectGuard, RestoresTheObjectItReplaced) {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_BRUSH);
    UniqueBrush brush(CreateSolidBrush(RGB(9, 9, 9)));
    {
        SelectGuard select(dc.Get(), brush.Get());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), brush.Get());
    }
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), original);
}

TEST(WindowDc, GivesTheDcBack) {
    HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    HDC taken;
    {
        WindowDc dc(window);
        taken = dc.Get();
        EXPECT_NE(taken, nullptr);
    }
    EXPECT_EQ(ReleaseDC(window, taken), 0) << "already released";
    DestroyWindow(window);
}

}  // namespace
}  // namespace qinglan
