#include "tools/uiprobe/window_tree.h"

#include <commctrl.h>

#include "tools/uiprobe/list_view.h"
#include "tools/uiprobe/send.h"
#include "tools/uiprobe/text.h"

namespace uiprobe {
namespace {

void WriteRect(JsonWriter& json, const RECT& rect) {
    json.BeginObject();
    json.Key("left"); json.Number(rect.left);
    json.Key("top"); json.Number(rect.top);
    json.Key("width"); json.Number(rect.right - rect.left);
    json.Key("height"); json.Number(rect.bottom - rect.top);
    json.EndObject();
}

// The window's rectangle: screen coordinates for a top-level window, else
// relative to the parent's client area.
RECT PlacedRect(HWND window, HWND parent) {
    RECT rect{};
    GetWindowRect(window, &rect);
    if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void WriteListView(JsonWriter& json, HWND window) {
    const ListViewContents list = ReadListView(window);
    json.Key("list");
    json.BeginObject();
    json.Key("readable"); json.Bool(list.readable);
    json.Key("columns");
    json.BeginArray();
    for (const ListColumn& column : list.columns) {
        json.BeginObject();
        json.Key("title"); json.String(column.title);
        json.Key("width"); json.Number(column.width);
        json.Key("format"); json.Number(column.format);
        json.EndObject();
    }
    json.EndArray();
    json.Key("rows");
    json.BeginArray();
    for (const auto& row : list.rows) {
        json.BeginArray();
        for (const std::string& cell : row) json.String(cell);
        json.EndArray();
    }
    json.EndArray();
    json.Key("top_index"); json.Number(list.topIndex);
    json.Key("count_per_page"); json.Number(list.countPerPage);
    json.Key("last_row_visible"); json.Bool(list.lastRowVisible);
    json.Key("selected");
    json.BeginArray();
    for (const int row : list.selected) json.Number(row);
    json.EndArray();
    json.EndObject();
}

// Members only some classes have: a button's check, a list view's contents.
void WriteClassDetails(JsonWriter& json, HWND window, const std::wstring& className) {
    if (lstrcmpiW(className.c_str(), L"Button") == 0) {
        json.Key("checked");
        json.Number(SendOr(window, BM_GETCHECK, 0, 0, -1));
    } else if (lstrcmpiW(className.c_str(), WC_LISTVIEWW) == 0) {
        WriteListView(json, window);
    }
}

void WriteWindow(JsonWriter& json, HWND window, HWND parent, const std::string& path) {
    const std::wstring className = ClassName(window);
    json.BeginObject();
    json.Key("hwnd"); json.Number(static_cast<long long>(reinterpret_cast<UINT_PTR>(window)));
    json.Key("path"); json.String(path);
    json.Key("class"); json.String(Utf16ToUtf8(className));
    json.Key("text"); json.String(WindowText(window));
    json.Key("id"); json.Number(GetWindowLongPtrW(window, GWLP_ID));
    json.Key("style"); json.Number(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)));
    json.Key("exstyle"); json.Number(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    json.Key("visible"); json.Bool(IsWindowVisible(window) != FALSE);
    json.Key("enabled"); json.Bool(IsWindowEnabled(window) != FALSE);
    json.Key("rect"); WriteRect(json, PlacedRect(window, parent));
    RECT client{};
    GetClientRect(window, &client);
    json.Key("client"); WriteRect(json, client);
    WriteClassDetails(json, window, className);
    json.Key("children");
    json.BeginArray();
    int index = 0;
    for (HWND child : ChildWindows(window)) {
        const std::string childPath = path.empty() ? std::to_string(index) : path + "/" + std::to_string(index);
        WriteWindow(json, child, window, childPath);
        ++index;
    }
    json.EndArray();
    json.EndObject();
}

}  // namespace

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::wstring WindowTextWide(HWND window) {
    LRESULT length = 0;
    if (SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, &length) && length >= 0) {
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        LRESULT copied = 0;
        if (SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied)) {
            text.resize(static_cast<size_t>(copied));
            return text;
        }
    }
    // A busy target: the caption the system keeps for the window.
    wchar_t caption[1024] = L"";
    GetWindowTextW(window, caption, static_cast<int>(sizeof caption / sizeof caption[0]));
    return caption;
}

std::string WindowText(HWND window) { return Utf16ToUtf8(WindowTextWide(window)); }

std::wstring ClassName(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, static_cast<int>(sizeof name / sizeof name[0]));
    return name;
}

void WriteTree(JsonWriter& json, HWND window) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    json.BeginObject();
    json.Key("screen");
    json.BeginObject();
    json.Key("width"); json.Number(GetSystemMetrics(SM_CXSCREEN));
    json.Key("height"); json.Number(GetSystemMetrics(SM_CYSCREEN));
    json.EndObject();
    json.Key("work_area"); WriteRect(json, workArea);
    json.Key("pid"); json.Number(processId);
    json.Key("thread"); json.Number(threadId);
    json.Key("responsive"); json.Bool(SendWithTimeout(window, WM_NULL, 0, 0, nullptr, 1000));
    json.Key("window"); WriteWindow(json, window, nullptr, "");
    json.EndObject();
}

}  // namespace uiprobe
