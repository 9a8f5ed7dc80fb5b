// The contents of another process's report-style list view.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uiprobe {

struct ListColumn {
    std::string title;  // UTF-8
    int width = 0;
    int format = 0;     // LVCFMT_* bits
};

struct ListViewContents {
    std::vector<ListColumn> columns;
    std::vector<std::vector<std::string>> rows;  // rows[i][column], UTF-8
    int topIndex = 0;
    int countPerPage = 0;
    bool lastRowVisible = false;  // the last row lies wholly inside the rows' area
    std::vector<int> selected;
    bool readable = true;          // false when the target's memory could not be used
};

ListViewContents ReadListView(HWND listView);

}  // namespace uiprobe
