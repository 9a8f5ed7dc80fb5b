// Virtual-key codes from the command line: a number (27, 0x1B) or a name
// with or without "VK_" (ESCAPE, ESC, RETURN, ENTER, TAB, SPACE, END, HOME,
// UP, DOWN, LEFT, RIGHT, PRIOR, NEXT, F1..F12, A..Z, 0..9). One digit is
// the key of that digit; a longer number is a key code.
#pragma once

#include <string>

namespace uiprobe {

// 0 when `name` is no key.
unsigned VirtualKeyFromName(const std::wstring& name);

}  // namespace uiprobe
