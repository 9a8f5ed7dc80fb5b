// Text conversions of the probe: everything it prints is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace uiprobe {

std::string Utf16ToUtf8(std::wstring_view text);
// Bytes in a Windows code page (936 for the program's GBK texts) to UTF-8.
std::string CodePageToUtf8(std::string_view bytes, unsigned codePage);

}  // namespace uiprobe
