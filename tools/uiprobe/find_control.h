// Finds a descendant window of a top-level window from a command-line selector:
//   hwnd:N   the window handle N (decimal or 0x hex), if it is a descendant
//   path:I/J the J-th child of the I-th child, in the order the tree lists them
//   id:N     the first descendant with control id N
//   TEXT     the first descendant whose text is exactly TEXT
// "First" is depth first, in the tree's order.
#pragma once

#include <windows.h>

#include <string>

namespace uiprobe {

HWND FindControl(HWND top, const std::wstring& selector);

}  // namespace uiprobe
