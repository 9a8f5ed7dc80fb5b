#include "runtime/messages.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace qinglan::runtime {
namespace {

int seen = 0;

LRESULT CALLBACK CountingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_APP) ++seen;
    return DefWindowProcA(h, m, w, l);
}

TEST(DelayDispatching, DeliversPostedMessagesWhileWaiting) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.lpszClassName = "DelayProbe";
    RegisterClassA(&wc);
    HWND window = CreateWindowA("DelayProbe", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ClearStopRequest();
    PostMessageA(window, WM_APP, 0, 0);
    PostMessageA(window, WM_APP, 0, 0);
    EXPECT_TRUE(DelayDispatching(20));
    EXPECT_EQ(seen, 2);
    DestroyWindow(window);
}

}  // namespace
}  // namespace qinglan::runtime
