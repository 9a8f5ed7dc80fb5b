// Messages to another process's windows that give up instead of blocking
// when the target's thread is busy (a program inside a slow request).
#pragma once

#include <windows.h>

namespace uiprobe {

inline constexpr UINT kAnswerTimeoutMs = 3000;

// Sends `message`; false when the target did not answer in time.
inline bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                            UINT timeoutMs = kAnswerTimeoutMs) {
    DWORD_PTR answer = 0;
    const LRESULT sent = SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &answer);
    if (result) *result = static_cast<LRESULT>(answer);
    return sent != 0;
}

// The answer of `message`, or `fallback` when there was none.
inline LRESULT SendOr(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback) {
    LRESULT result = 0;
    return SendWithTimeout(window, message, wParam, lParam, &result) ? result : fallback;
}

}  // namespace uiprobe
