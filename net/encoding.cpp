#include "net/encoding.h"

#include <windows.h>

#include <cstring>

namespace qinglan::net {
namespace {

std::wstring ToWide(std::string_view text, unsigned codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int count = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (count <= 0) return {};
    std::wstring units(static_cast<std::size_t>(count), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, units.data(), count);
    return units;
}

Text ToMultiByte(std::wstring_view units, unsigned codePage, DWORD flags) {
    units = units.substr(0, units.find(L'\0'));
    if (units.empty()) return {};
    const int length = static_cast<int>(units.size());
    int size = WideCharToMultiByte(codePage, flags, units.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0 && flags != 0) {
        // Some code pages refuse every flag; convert plainly rather than lose the text.
        flags = 0;
        size = WideCharToMultiByte(codePage, flags, units.data(), length, nullptr, 0, nullptr, nullptr);
    }
    if (size <= 0) return {};
    Text text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, units.data(), length, text.data(), size, nullptr, nullptr);
    return text.substr(0, text.find('\0'));
}

std::wstring UnitsOf(const ByteArray& bytes) {
    std::wstring units(bytes.size() / 2, L'\0');
    if (!units.empty()) std::memcpy(units.data(), bytes.data(), units.size() * 2);
    return units;
}

ByteArray BytesOf(std::wstring_view units, bool terminated) {
    ByteArray bytes((units.size() + (terminated ? 1 : 0)) * 2, 0);
    if (!units.empty()) std::memcpy(bytes.data(), units.data(), units.size() * 2);
    return bytes;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::wstring TextToWide(std::string_view text, unsigned codePage) { return ToWide(text, codePage); }

Text WideToText(std::wstring_view units, unsigned codePage) { return ToMultiByte(units, codePage, 0); }

ByteArray TextToUtf16(const Text& text, bool dropTerminator) {
    if (text.empty()) return {};
    return BytesOf(ToWide(text, kGbkCodePage), !dropTerminator);
}

Text Utf16ToText(const ByteArray& bytes) { return ToMultiByte(UnitsOf(bytes), kGbkCodePage, WC_COMPOSITECHECK); }

ByteArray MultiByteToUtf16(const Text& text, unsigned codePage) { return BytesOf(ToWide(text, codePage), true); }

Text Utf16ToMultiByte(const ByteArray& units, unsigned codePage) { return ToMultiByte(UnitsOf(units), codePage, 0); }

Text Utf8ToText(const Text& utf8) { return Utf16ToMultiByte(MultiByteToUtf16(utf8, kUtf8CodePage), kGbkCodePage); }

Text PercentDecode(const Text& text, bool thenUtf8) {
    Text output;
    output.reserve(text.size());
    for (std::size_t p = 0; p < text.size();) {
        const int high = (text[p] == '%' && p + 2 < text.size()) ? HexValue(text[p + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[p + 2]) : -1;
        if (low < 0) {
            output += text[p++];
            continue;
        }
        const char decoded = static_cast<char>(high * 16 + low);
        if (decoded != '\0') output += decoded;  // texts end at a zero byte
        p += 3;
    }
    return thenUtf8 ? Utf8ToText(output) : output;
}

}  // namespace qinglan::net
