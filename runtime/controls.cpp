#include "runtime/controls.h"

#include <commctrl.h>

#include <vector>

#include "runtime/form.h"
#include "runtime/ui_thread.h"

namespace qinglan::runtime {
namespace {

// Runs `read` with the control's window on the UI thread; `fallback` when
// the control does not exist (or the program is stopping).
template <class Result, class Read>
Result OnControl(ControlId id, Result fallback, Read read) {
    Result result = fallback;
    RunOnUiThread([&] {
        if (HWND window = WindowOf(id)) result = read(window);
    });
    return result;
}

template <class Change>
void ChangeControl(ControlId id, Change change) {
    RunOnUiThread([&] {
        if (HWND window = WindowOf(id)) change(window);
    });
}

RECT PlaceInParent(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

}  // namespace

HWND WindowOf(ControlId id) {
    HWND window = nullptr;
    RunOnUiThread([&] {
        Form* form = Form::Find(id.window);
        ControlRecord* record = form ? form->Record(id) : nullptr;
        window = record ? record->window : nullptr;
    });
    return window;
}

int ControlLeft(ControlId id) { return OnControl(id, 0, [](HWND w) { return int(PlaceInParent(w).left); }); }
int ControlTop(ControlId id) { return OnControl(id, 0, [](HWND w) { return int(PlaceInParent(w).top); }); }
int ControlWidth(ControlId id) {
    return OnControl(id, 0, [](HWND w) { RECT r = PlaceInParent(w); return int(r.right - r.left); });
}
int ControlHeight(ControlId id) {
    return OnControl(id, 0, [](HWND w) { RECT r = PlaceInParent(w); return int(r.bottom - r.top); });
}

void SetControlTop(ControlId id, int top) {
    ChangeControl(id, [top](HWND w) {
        SetWindowPos(w, nullptr, PlaceInParent(w).left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
}

bool ControlVisible(ControlId id) { return OnControl(id, false, [](HWND w) { return IsWindowVisible(w) != FALSE; }); }
void SetControlVisible(ControlId id, bool visible) {
    ChangeControl(id, [visible](HWND w) { ShowWindow(w, visible ? SW_SHOWNA : SW_HIDE); });
}

Text ControlText(ControlId id) {
    return OnControl(id, Text(), [](HWND w) { return WindowText(w); });
}
void SetControlText(ControlId id, const Text& text) {
    ChangeControl(id, [&text](HWND w) { SetWindowTextA(w, text.c_str()); });
}

bool ControlChecked(ControlId id) {
    return OnControl(id, false, [](HWND w) { return SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED; });
}
void SetControlChecked(ControlId id, bool checked) {
    // Checking one button of an automatic group unchecks its siblings, as a
    // click would.
    ChangeControl(id, [checked](HWND w) {
        if (checked) {
            for (HWND sibling = GetWindow(GetParent(w), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
                if (sibling != w && (GetWindowLongPtrA(sibling, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                    SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
        SendMessageA(w, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    });
}

int AppendRow(ControlId listView) {
    return OnControl(listView, -1, [](HWND w) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(SendMessageA(w, LVM_GETITEMCOUNT, 0, 0));
        item.pszText = const_cast<char*>("");
        return static_cast<int>(SendMessageA(w, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    });
}

int RowCount(ControlId listView) {
    return OnControl(listView, 0, [](HWND w) { return static_cast<int>(SendMessageA(w, LVM_GETITEMCOUNT, 0, 0)); });
}

void SetCellText(ControlId listView, int row, int column, const Text& text) {
    ChangeControl(listView, [&](HWND w) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text.c_str());
        SendMessageA(w, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    });
}

Text CellText(ControlId listView, int row, int column) {
    return OnControl(listView, Text(), [&](HWND w) {
        if (row < 0 || row >= static_cast<int>(SendMessageA(w, LVM_GETITEMCOUNT, 0, 0))) return Text();
        std::vector<char> buffer(1024);
        for (;;) {
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = buffer.data();
            item.cchTextMax = static_cast<int>(buffer.size());
            auto length = static_cast<size_t>(
                SendMessageA(w, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
            if (length + 1 < buffer.size() || buffer.size() >= (1u << 20)) return Text(buffer.data(), length);
            buffer.resize(buffer.size() * 4);  // the cell may hold more; ask again with room
        }
    });
}

void ScrollRowIntoView(ControlId listView, int row) {
    ChangeControl(listView, [row](HWND w) { SendMessageA(w, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE); });
}

}  // namespace qinglan::runtime
