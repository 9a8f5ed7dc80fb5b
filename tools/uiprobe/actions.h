// What the probe does to a window besides describing it.
#pragma once

#include <windows.h>

#include <string>

namespace uiprobe {

enum ExitCode {
    kDone = 0,
    kNoWindow = 1,     // no such top-level window (or the wait timed out)
    kUsage = 2,
    kNoControl = 3,    // no such child, or no such key
    kNotFinished = 4,  // the click was delivered but its handler did not return in time
};

// Clicks the button as a user would (BM_CLICK: press, release, auto check,
// BN_CLICKED to the parent) and waits up to `timeoutMs` for its handler.
ExitCode Click(HWND button, unsigned timeoutMs);
// Posts a key press and release to `target`, or, when it is null, to the
// focused control of `top`'s thread (`top` itself when none of its own has
// the focus).
ExitCode PressKey(HWND top, HWND target, unsigned virtualKey);
// Waits until a top-level window titled `title` exists (`present`) or no
// longer exists; false on time-out.
bool WaitForWindow(const std::wstring& title, bool present, double seconds);

}  // namespace uiprobe
