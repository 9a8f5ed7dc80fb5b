#include "tools/uiprobe/text.h"

#include <windows.h>

namespace uiprobe {

std::string Utf16ToUtf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), needed, nullptr, nullptr);
    return out;
}

std::string CodePageToUtf8(std::string_view bytes, unsigned codePage) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), needed);
    return Utf16ToUtf8(wide);
}

}  // namespace uiprobe
