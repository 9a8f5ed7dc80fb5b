#include "tools/uiprobe/list_view.h"

#include <commctrl.h>

#include <algorithm>

#include "tools/uiprobe/remote_buffer.h"
#include "tools/uiprobe/send.h"
#include "tools/uiprobe/text.h"

namespace uiprobe {
namespace {

// Layout of the block in the list view's process: one structure, then the
// text buffer it points to. The probe and its target are both 32-bit, so the
// structures have the same layout on both sides.
constexpr size_t kTextOffset = 256;
constexpr size_t kTextCapacity = 8192;
constexpr unsigned kGbk = 936;
constexpr int kMaxColumns = 64;

static_assert(sizeof(LVITEMA) <= kTextOffset && sizeof(LVCOLUMNA) <= kTextOffset);

char* RemoteText(const RemoteBuffer& buffer) { return static_cast<char*>(buffer.At(kTextOffset)); }

int ColumnCount(HWND listView) {
    const auto header = reinterpret_cast<HWND>(SendOr(listView, LVM_GETHEADER, 0, 0, 0));
    if (!header) return 0;
    return std::clamp(static_cast<int>(SendOr(header, HDM_GETITEMCOUNT, 0, 0, 0)), 0, kMaxColumns);
}

bool ReadColumn(HWND listView, const RemoteBuffer& buffer, int index, ListColumn* column) {
    LVCOLUMNA request{};
    request.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    request.pszText = RemoteText(buffer);
    request.cchTextMax = static_cast<int>(kTextCapacity);
    const char empty = '\0';
    if (!buffer.Write(0, &request, sizeof request) || !buffer.Write(kTextOffset, &empty, 1)) return false;
    if (!SendOr(listView, LVM_GETCOLUMNA, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(buffer.At(0)), FALSE)) {
        return false;
    }
    LVCOLUMNA answer{};
    if (!buffer.Read(0, &answer, sizeof answer)) return false;
    column->title = CodePageToUtf8(buffer.ReadText(kTextOffset, kTextCapacity), kGbk);
    column->width = answer.cx;
    column->format = answer.fmt;
    return true;
}

std::string ReadCell(HWND listView, const RemoteBuffer& buffer, int row, int column) {
    LVITEMA request{};
    request.iSubItem = column;
    request.pszText = RemoteText(buffer);
    request.cchTextMax = static_cast<int>(kTextCapacity);
    const char empty = '\0';
    if (!buffer.Write(0, &request, sizeof request) || !buffer.Write(kTextOffset, &empty, 1)) return {};
    SendOr(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.At(0)), 0);
    return CodePageToUtf8(buffer.ReadText(kTextOffset, kTextCapacity), kGbk);
}

// Whether row `row` lies wholly below the header and above the bottom edge.
bool RowWhollyVisible(HWND listView, const RemoteBuffer& buffer, int row) {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (!buffer.Write(0, &bounds, sizeof bounds)) return false;
    if (!SendOr(listView, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer.At(0)),
                FALSE) ||
        !buffer.Read(0, &bounds, sizeof bounds)) {
        return false;
    }
    RECT client{};
    GetClientRect(listView, &client);
    int rowsTop = 0;
    const auto header = reinterpret_cast<HWND>(SendOr(listView, LVM_GETHEADER, 0, 0, 0));
    if (header && IsWindowVisible(header)) {
        RECT headerRect{};
        GetWindowRect(header, &headerRect);
        rowsTop = headerRect.bottom - headerRect.top;
    }
    return bounds.top >= rowsTop && bounds.bottom <= client.bottom;
}

std::vector<int> SelectedRows(HWND listView) {
    std::vector<int> selected;
    int row = -1;
    while ((row = static_cast<int>(SendOr(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                          LVNI_SELECTED, -1))) >= 0) {
        if (!selected.empty() && row <= selected.back()) break;  // a wrapping answer
        selected.push_back(row);
    }
    return selected;
}

}  // namespace

ListViewContents ReadListView(HWND listView) {
    ListViewContents contents;
    RemoteBuffer buffer(listView, kTextOffset + kTextCapacity + 1);
    if (!buffer.Ok()) {
        contents.readable = false;
        return contents;
    }
    const int columns = ColumnCount(listView);
    for (int c = 0; c < columns; ++c) {
        ListColumn column;
        if (ReadColumn(listView, buffer, c, &column)) contents.columns.push_back(column);
    }
    const int rowCount = static_cast<int>(SendOr(listView, LVM_GETITEMCOUNT, 0, 0, 0));
    for (int r = 0; r < rowCount; ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < std::max(columns, 1); ++c) cells.push_back(ReadCell(listView, buffer, r, c));
        contents.rows.push_back(std::move(cells));
    }
    contents.topIndex = static_cast<int>(SendOr(listView, LVM_GETTOPINDEX, 0, 0, 0));
    contents.countPerPage = static_cast<int>(SendOr(listView, LVM_GETCOUNTPERPAGE, 0, 0, 0));
    contents.lastRowVisible = rowCount > 0 && RowWhollyVisible(listView, buffer, rowCount - 1);
    contents.selected = SelectedRows(listView);
    return contents;
}

}  // namespace uiprobe
