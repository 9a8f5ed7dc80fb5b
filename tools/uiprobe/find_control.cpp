#include "tools/uiprobe/find_control.h"

#include <cwchar>
#include <functional>

#include "tools/uiprobe/window_tree.h"

namespace uiprobe {
namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix, std::wstring* rest) {
    const size_t length = wcslen(prefix);
    if (text.compare(0, length, prefix) != 0) return false;
    *rest = text.substr(length);
    return true;
}

// Parses a whole decimal or 0x-prefixed number; false on anything else.
bool ParseNumber(const std::wstring& text, unsigned long long* value) {
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    *value = wcstoull(text.c_str(), &end, 0);
    return *end == L'\0';
}

HWND FirstDescendant(HWND parent, const std::function<bool(HWND)>& matches) {
    for (HWND child : ChildWindows(parent)) {
        if (matches(child)) return child;
        if (HWND found = FirstDescendant(child, matches)) return found;
    }
    return nullptr;
}

HWND ByPath(HWND top, const std::wstring& path) {
    HWND current = top;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t slash = path.find(L'/', start);
        const std::wstring step = path.substr(start, slash == std::wstring::npos ? std::wstring::npos : slash - start);
        unsigned long long index = 0;
        if (!ParseNumber(step, &index)) return nullptr;
        const auto children = ChildWindows(current);
        if (index >= children.size()) return nullptr;
        current = children[index];
        if (slash == std::wstring::npos) break;
        start = slash + 1;
    }
    return current == top ? nullptr : current;
}

}  // namespace

HWND FindControl(HWND top, const std::wstring& selector) {
    std::wstring rest;
    unsigned long long number = 0;
    if (StartsWith(selector, L"hwnd:", &rest)) {
        if (!ParseNumber(rest, &number)) return nullptr;
        const auto wanted = reinterpret_cast<HWND>(static_cast<UINT_PTR>(number));
        return IsChild(top, wanted) ? wanted : nullptr;
    }
    if (StartsWith(selector, L"path:", &rest)) return ByPath(top, rest);
    if (StartsWith(selector, L"id:", &rest)) {
        if (!ParseNumber(rest, &number)) return nullptr;
        return FirstDescendant(top, [number](HWND w) {
            return static_cast<unsigned long long>(GetWindowLongPtrW(w, GWLP_ID)) == number;
        });
    }
    return FirstDescendant(top, [&selector](HWND w) { return WindowTextWide(w) == selector; });
}

}  // namespace uiprobe
