#include "runtime/form.h"

#include <commctrl.h>

#include <cstring>
#include <algorithm>
#include <map>
#include <vector>

#include "runtime/messages.h"
#include "runtime/transparent_label.h"
#include "runtime/ui_thread.h"

namespace qinglan::runtime {
namespace {

constexpr char kFormClass[] = "QinglanForm";

std::map<int, Form*>& Forms() {
    static std::map<int, Form*> forms;
    return forms;
}
int nextFormNumber = 1;
ControlId currentSender;

// The font every control without its own gets: the usual Chinese UI face.
std::shared_ptr<UniqueFont> MakeFont(const FontDescription& font) {
    LOGFONTA logfont{};
    logfont.lfHeight = font.height ? -font.height : -12;
    logfont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logfont.lfCharSet = font.height ? font.charset : GB2312_CHARSET;
    const char* face = font.height ? font.face : "宋体";
    if (face) lstrcpynA(logfont.lfFaceName, face, LF_FACESIZE);
    return std::make_shared<UniqueFont>(CreateFontIndirectA(&logfont));
}

struct WindowShape {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

WindowShape ShapeOf(const ControlDescription& row) {
    constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    switch (row.kind) {
    case ControlKind::TransparentLabel:
        return {kTransparentLabelClass, child, 0};
    case ControlKind::RadioButton:
        return {"BUTTON", child | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_MULTILINE, 0};
    case ControlKind::EditBox:
        return {"EDIT",
                child | WS_TABSTOP | ES_AUTOHSCROLL |
                    (row.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : 0) |
                    (row.verticalScroll ? WS_VSCROLL : 0),
                WS_EX_CLIENTEDGE};
    case ControlKind::GroupBox:
        return {"BUTTON", child | BS_GROUPBOX, 0};
    case ControlKind::ListView:
        return {WC_LISTVIEWA, child | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL, WS_EX_CLIENTEDGE};
    case ControlKind::Timer:
        break;
    }
    return {nullptr, 0, 0};
}

void AddColumns(HWND listView, const ControlDescription& row) {
    ListView_SetExtendedListViewStyle(listView, LVS_EX_FULLROWSELECT);
    int index = 0;
    for (const ColumnDescription& column : row.columns) {
        LVCOLUMNA lvc{};
        lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        lvc.fmt = column.format;
        lvc.cx = column.width;
        lvc.pszText = const_cast<char*>(column.title);
        lvc.iSubItem = index;
        SendMessageA(listView, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&lvc));
    }
}

DWORD FormStyle(const FormDescription& d) {
    DWORD style = WS_CLIPSIBLINGS | (d.border ? WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME : WS_POPUP);
    if (d.controlMenu) style |= WS_SYSMENU;
    if (d.minimiseBox) style |= WS_MINIMIZEBOX;
    if (d.maximiseBox) style |= WS_MAXIMIZEBOX;
    return style;
}

bool FormKeys(const MSG& msg);

}  // namespace

ControlId EventSender() { return currentSender; }

Text WindowText(HWND window) {
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1);
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return Text(text.data(), static_cast<size_t>(std::max(length, 0)));
}

bool Initialise() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Form::WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    bool registered = RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    SetMessageFilter(FormKeys);
    return registered && RegisterTransparentLabelClass() && MakeUiThread();
}

Form::Form(const FormDescription& description) : description_(description), number_(nextFormNumber++) {
    Forms()[number_] = this;
}

Form::~Form() {
    Forms().erase(number_);
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

Form* Form::Find(int number) {
    auto found = Forms().find(number);
    return found == Forms().end() ? nullptr : found->second;
}

void Form::OnClicked(const char* controlName, EventHandler handler) { clickBindings_.emplace_back(controlName, handler); }
void Form::OnTimer(const char* controlName, EventHandler handler) { timerBindings_.emplace_back(controlName, handler); }

bool Form::Create() {
    const FormDescription& d = description_;
    RECT frame{0, 0, d.width, d.height};
    DWORD exStyle = d.inTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    AdjustWindowRectEx(&frame, FormStyle(d), FALSE, exStyle);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    int left = d.left, top = d.top;
    if (d.centred) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    window_ = CreateWindowExA(exStyle, kFormClass, d.title, FormStyle(d), left, top, width, height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (!window_) return false;
    for (const ControlDescription& row : d.controls) {
        if (!CreateControl(row, MakeFont(row.font))) return false;
        ControlRecord& record = *controls_.back();
        if (record.window) ShowWindow(record.window, SW_SHOWNA);
    }
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    if (created_) created_();
    return IsWindow(window_) != FALSE;
}

HWND Form::ParentOf(const ControlDescription& row) const {
    if (!row.parent) return window_;
    for (const auto& record : controls_)
        if (record->name == row.parent) return record->window;
    return window_;
}

bool Form::CreateControl(const ControlDescription& row, std::shared_ptr<UniqueFont> font) {
    auto record = std::make_unique<ControlRecord>();
    record->name = row.name;
    record->kind = row.kind;
    record->description = &row;
    record->font = std::move(font);
    record->textColour = row.textColour;
    for (auto& [name, handler] : clickBindings_)
        if (name == row.name) record->clicked = handler;
    for (auto& [name, handler] : timerBindings_)
        if (name == row.name) record->timer = handler;
    const int number = static_cast<int>(controls_.size()) + 1;
    if (row.kind == ControlKind::Timer) {
        SetTimer(window_, static_cast<UINT_PTR>(number), row.timerIntervalMs ? row.timerIntervalMs : 1000, nullptr);
    } else {
        WindowShape shape = ShapeOf(row);
        record->window = CreateWindowExA(shape.exStyle, shape.className, row.text, shape.style, row.left, row.top,
                                         row.width, row.height, ParentOf(row),
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(number)),
                                         GetModuleHandleA(nullptr), nullptr);
        if (!record->window) return false;
        SendMessageA(record->window, WM_SETFONT, reinterpret_cast<WPARAM>(record->font->Get()), FALSE);
        if (row.kind == ControlKind::TransparentLabel)
            SetWindowLongPtrA(record->window, GWLP_USERDATA, static_cast<LONG_PTR>(row.textColour.value_or(0)));
        if (row.kind == ControlKind::ListView) AddColumns(record->window, row);
    }
    controls_.push_back(std::move(record));
    return true;
}

ControlId Form::Id(const char* name) const {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]->name == name) return IdAt(i);
    return {};
}

ControlId Form::Copy(ControlId source) {
    ControlRecord* original = Record(source);
    if (!original) return {};
    const EventHandler clicked = original->clicked, timer = original->timer;
    const Text caption = original->window ? WindowText(original->window) : Text();
    if (!CreateControl(*original->description, original->font)) return {};
    ControlRecord& copy = *controls_.back();
    copy.clicked = clicked;
    copy.timer = timer;
    if (copy.window) {
        RECT place;
        GetWindowRect(original->window, &place);
        MapWindowPoints(nullptr, GetParent(original->window), reinterpret_cast<POINT*>(&place), 2);
        // The newest copy lies on top of its siblings, covering what it overlaps.
        SetWindowPos(copy.window, HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOACTIVATE);
        SetWindowTextA(copy.window, caption.c_str());
    }
    return IdAt(controls_.size() - 1);
}

ControlRecord* Form::Record(ControlId id) {
    if (id.window != number_ || id.control < 1 || id.control > static_cast<std::int32_t>(controls_.size())) return nullptr;
    return controls_[static_cast<size_t>(id.control - 1)].get();
}

ControlRecord* Form::RecordOf(HWND control) {
    for (auto& record : controls_)
        if (record->window == control) return record.get();
    return nullptr;
}

void Form::Clicked(HWND control) {
    ControlRecord* record = RecordOf(control);
    if (!record || !record->clicked) return;
    const ControlId previous = currentSender;
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].get() == record) currentSender = IdAt(i);
    record->clicked();
    currentSender = previous;
}

LRESULT Form::ColourMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT brush = DefWindowProcA(window_, message, wParam, lParam);
    ControlRecord* record = RecordOf(reinterpret_cast<HWND>(lParam));
    if (record && record->textColour) SetTextColor(reinterpret_cast<HDC>(wParam), *record->textColour);
    return brush;
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    if (!form->window_) form->window_ = window;
    return form->OnMessage(message, wParam, lParam);
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam) Clicked(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_TIMER:
        if (ControlRecord* record = Record({number_, static_cast<std::int32_t>(wParam)}); record && record->timer)
            record->timer();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return ColourMessage(message, wParam, lParam);
    case WM_LBUTTONDOWN:
        if (description_.movable && !description_.border) {
            // A borderless window moves when its client area is dragged.
            ReleaseCapture();
            SendMessageA(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return 0;
        }
        break;
    case WM_DESTROY:
        RequestStop();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        LRESULT result = DefWindowProcA(window_, message, wParam, lParam);
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return result;
    }
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

namespace {

// Escape closes a form that says so, whichever of its controls has the key
// and whichever loop is dispatching (the message loop, or a long piece of
// work on the window's thread).
bool FormKeys(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE || !msg.hwnd) return false;
    for (auto& [number, form] : Forms()) {
        const HWND window = form->Handle();
        if (window && form->Description().escapeCloses && (msg.hwnd == window || IsChild(window, msg.hwnd))) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            return true;
        }
    }
    return false;
}

}  // namespace

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchOne(msg);
    return static_cast<int>(msg.wParam);
}

}  // namespace qinglan::runtime
