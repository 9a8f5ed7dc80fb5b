// The window tree of a top-level window as JSON.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/uiprobe/json_writer.h"

namespace uiprobe {

// The direct children of `parent`, topmost first (the order the tree lists them in).
std::vector<HWND> ChildWindows(HWND parent);
// The text of `window` (UTF-8) as the window itself answers WM_GETTEXT.
std::string WindowText(HWND window);
std::wstring WindowTextWide(HWND window);
std::wstring ClassName(HWND window);

// {"screen": ..., "work_area": ..., "window": {...}} for the top-level `window`.
void WriteTree(JsonWriter& json, HWND window);

}  // namespace uiprobe
