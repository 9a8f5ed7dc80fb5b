// A small ANSI window with GBK texts for the UI probe's test: two radio
// buttons, an edit box, a group box with a label and a report list view.
// The list view has the focus while the window is active. A radio's
// BN_CLICKED writes "点击：" + its caption into the edit box; Esc
// anywhere closes the window and the program exits with status 0.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kClientWidth = 400;
constexpr int kClientHeight = 300;
constexpr int kRowCount = 40;
constexpr int kEditId = 201;
constexpr int kListId = 401;
const char kTitle[] = "青岚探针测试窗口";

HWND Child(HWND parent, const char* className, const char* text, DWORD style, int id,
           int left, int top, int width, int height) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, left, top, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void AddColumn(HWND list, int index, const char* title, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = index == 0 ? LVCFMT_LEFT : LVCFMT_CENTER;
    column.cx = width;
    column.pszText = const_cast<char*>(title);
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void FillList(HWND list) {
    AddColumn(list, 0, "", 0);
    AddColumn(list, 1, "期号", 100);
    AddColumn(list, 2, "奖号", 70);
    for (int row = 0; row < kRowCount; ++row) {
        LVITEMA item{};
        item.iItem = row;
        item.pszText = const_cast<char*>("");
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        char period[32];
        char draw[32];
        std::snprintf(period, sizeof period, "261211-%03d", row + 1);
        std::snprintf(draw, sizeof draw, "第%d号", row + 1);
        SetCell(list, row, 1, period);
        SetCell(list, row, 2, draw);
    }
}

void BuildControls(HWND window) {
    Child(window, "BUTTON", "选项一", BS_AUTORADIOBUTTON | WS_GROUP, 101, 10, 10, 100, 24);
    Child(window, "BUTTON", "选项二", BS_AUTORADIOBUTTON, 102, 10, 40, 100, 24);
    Child(window, "EDIT", "第一行\r\n第二行", ES_MULTILINE | WS_VSCROLL | WS_BORDER, kEditId, 120, 10, 270, 60);
    HWND group = Child(window, "BUTTON", "面板", BS_GROUPBOX, 301, 10, 80, 100, 60);
    Child(group, "STATIC", "标签", 0, 302, 8, 20, 80, 20);
    HWND list = Child(window, WC_LISTVIEWA, "", LVS_REPORT | WS_BORDER, kListId, 120, 80, 270, 200);
    FillList(list);
}

void OnRadioClicked(HWND window, HWND radio) {
    char caption[64] = "";
    GetWindowTextA(radio, caption, sizeof caption);
    SetDlgItemTextA(window, kEditId, (std::string("点击：") + caption).c_str());
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            BuildControls(window);
            return 0;
        case WM_ACTIVATE:
            // Like a dialog: the list view keeps the focus whenever the window is activated.
            if (LOWORD(wParam) != WA_INACTIVE) SetFocus(GetDlgItem(window, kListId));
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= 101 && LOWORD(wParam) <= 102) {
                OnRadioClicked(window, reinterpret_cast<HWND>(lParam));
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreateCentredWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "QlProbeTarget";
    RegisterClassA(&windowClass);
    const DWORD style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2;
    return CreateWindowExA(0, windowClass.lpszClassName, kTitle, style, left, top, kClientWidth,
                           kClientHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HWND window = CreateCentredWindow();
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            DestroyWindow(window);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
