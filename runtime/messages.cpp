#include "runtime/messages.h"

#include <windows.h>

#include <atomic>

namespace qinglan::runtime {
namespace {

// Manual-reset event, set once when the program stops; waiting threads wake.
HANDLE StopEvent() {
    static HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    return event;
}

std::atomic<bool> stopping{false};
std::atomic<MessageFilter> messageFilter{nullptr};

}  // namespace

void SetMessageFilter(MessageFilter filter) { messageFilter.store(filter); }

void DispatchOne(const MSG& msg) {
    if (MessageFilter filter = messageFilter.load(); filter && filter(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void DispatchPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the message loop that owns it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchOne(msg);
    }
}

bool DelayDispatching(unsigned milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    HANDLE stop = StopEvent();
    for (;;) {
        DispatchPendingMessages();
        if (StopRequested()) return false;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return true;
        MsgWaitForMultipleObjects(1, &stop, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    }
}

bool StopRequested() { return stopping.load(); }

void RequestStop() {
    stopping.store(true);
    SetEvent(StopEvent());
}

void ClearStopRequest() {
    stopping.store(false);
    ResetEvent(StopEvent());
}

}  // namespace qinglan::runtime
