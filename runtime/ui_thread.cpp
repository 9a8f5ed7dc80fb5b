#include "runtime/ui_thread.h"

#include <windows.h>

#include "runtime/messages.h"

namespace qinglan::runtime {
namespace {

constexpr UINT kRunWork = WM_APP + 0x51;
constexpr char kClassName[] = "QinglanUiThreadCalls";

DWORD uiThread = 0;
HWND callWindow = nullptr;

LRESULT CALLBACK CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunWork) {
        if (!StopRequested()) (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool MakeUiThread() {
    if (callWindow) return true;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CallWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    callWindow = CreateWindowA(kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    uiThread = GetCurrentThreadId();
    return callWindow != nullptr;
}

void RunOnUiThread(const std::function<void()>& work) {
    if (GetCurrentThreadId() == uiThread || !callWindow) {
        work();
        return;
    }
    if (StopRequested()) return;
    SendMessageA(callWindow, kRunWork, 0, reinterpret_cast<LPARAM>(&work));
}

}  // namespace qinglan::runtime
