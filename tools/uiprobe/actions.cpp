#include "tools/uiprobe/actions.h"

#include "tools/uiprobe/send.h"

namespace uiprobe {
namespace {

HWND FocusedControl(HWND top) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(top, nullptr);
    if (GetGUIThreadInfo(thread, &info) && info.hwndFocus &&
        (info.hwndFocus == top || IsChild(top, info.hwndFocus))) {
        return info.hwndFocus;
    }
    return top;
}

}  // namespace

ExitCode Click(HWND button, unsigned timeoutMs) {
    return SendWithTimeout(button, BM_CLICK, 0, 0, nullptr, timeoutMs) ? kDone : kNotFinished;
}

ExitCode PressKey(HWND top, HWND target, unsigned virtualKey) {
    HWND receiver = target ? target : FocusedControl(top);
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM down = 1 | scanCode;
    const LPARAM up = down | (LPARAM{1} << 30) | static_cast<LPARAM>(0x80000000u);
    const bool posted = PostMessageW(receiver, WM_KEYDOWN, virtualKey, down) &&
                        PostMessageW(receiver, WM_KEYUP, virtualKey, up);
    return posted ? kDone : kNoControl;
}

bool WaitForWindow(const std::wstring& title, bool present, double seconds) {
    // <chrono> does not build with the GBK execution character set.
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    while (true) {
        const bool exists = FindWindowW(nullptr, title.c_str()) != nullptr;
        if (exists == present) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

}  // namespace uiprobe
