#include "gdiplus/text.h"

#include <cstring>

namespace qinglan::gdiplus {

namespace {
std::wstring Widen(const Text& text) {
    int units = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(units > 0 ? units : 1, L'\0');
    if (!text.empty())
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
    wide.resize(wcsnlen(wide.c_str(), wide.size()));
    return wide;
}

std::wstring FromUnits(const ByteArray& utf16) {
    std::wstring wide(utf16.size() / 2, L'\0');
    if (!wide.empty()) std::memcpy(wide.data(), utf16.data(), wide.size() * 2);
    wide.resize(wcsnlen(wide.c_str(), wide.size()));
    return wide;
}
}  // namespace

ByteArray ToWideText(const Text& text) {
    std::wstring wide = Widen(text);
    ByteArray bytes((wide.size() + 1) * 2, 0);
    std::memcpy(bytes.data(), wide.data(), wide.size() * 2);
    return bytes;
}

Text ToAnsiText(const wchar_t* wide) {
    if (!wide) return {};
    int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    Text text(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.resize(std::strlen(text.c_str()));
    return text;
}

Text ToAnsiText(const ByteArray& wide) { return ToAnsiText(FromUnits(wide).c_str()); }

Text GuidToText(const GUID& guid) {
    wchar_t buffer[39] = {};
    StringFromGUID2(guid, buffer, 39);
    return ToAnsiText(buffer);
}

GUID TextToGuid(const Text& text) {
    GUID guid{};
    std::wstring wide = Widen(text);
    if (FAILED(CLSIDFromString(wide.c_str(), &guid))) guid = GUID{};
    return guid;
}

namespace detail {
WideArg::WideArg(const Text& text) : text_(Widen(text)) {}
WideArg::WideArg(const ByteArray& utf16) : text_(FromUnits(utf16)) {}
}  // namespace detail

}  // namespace qinglan::gdiplus
