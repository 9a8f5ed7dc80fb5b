#include "runtime/transparent_label.h"

#include <windows.h>

#include "runtime/form.h"
#include "runtime/handle.h"

namespace qinglan::runtime {
namespace {

// The text colour rides in the window's user data; the font is the one set
// with WM_SETFONT, kept as a property.
constexpr char kFontProperty[] = "QinglanLabelFont";

void PaintText(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const Text text = WindowText(window);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrA(window, GWLP_USERDATA)));
    HFONT font = static_cast<HFONT>(GetPropA(window, kFontProperty));
    SelectGuard selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    EndPaint(window, &paint);
}

// Repaints what lies under the label first, then the label over it: the old
// text disappears and the parents' picture shows through. The repaint starts
// at the top-level window, because a parent such as a group box does not
// paint its own interior.
void RepaintThroughParent(HWND window) {
    HWND root = GetAncestor(window, GA_ROOT);
    RECT area;
    GetWindowRect(window, &area);
    MapWindowPoints(nullptr, root, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(root, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        PaintText(window);
        return 0;
    case WM_SETFONT:
        SetPropA(window, kFontProperty, reinterpret_cast<HANDLE>(wParam));
        if (LOWORD(lParam)) RepaintThroughParent(window);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropA(window, kFontProperty));
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        if (IsWindowVisible(window)) RepaintThroughParent(window);
        return result;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_NCDESTROY:
        RemovePropA(window, kFontProperty);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterTransparentLabelClass() {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kTransparentLabelClass, &windowClass)) return true;
    windowClass.lpfnWndProc = LabelProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kTransparentLabelClass;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace qinglan::runtime
