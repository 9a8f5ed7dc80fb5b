#include "tools/uiprobe/key_names.h"

#include <windows.h>

#include <cwchar>
#include <cwctype>

namespace uiprobe {
namespace {

struct NamedKey {
    const wchar_t* name;
    unsigned key;
};

constexpr NamedKey kNamedKeys[] = {
    {L"ESCAPE", VK_ESCAPE}, {L"ESC", VK_ESCAPE}, {L"RETURN", VK_RETURN}, {L"ENTER", VK_RETURN},
    {L"TAB", VK_TAB},       {L"SPACE", VK_SPACE}, {L"BACK", VK_BACK},    {L"DELETE", VK_DELETE},
    {L"END", VK_END},       {L"HOME", VK_HOME},   {L"UP", VK_UP},        {L"DOWN", VK_DOWN},
    {L"LEFT", VK_LEFT},     {L"RIGHT", VK_RIGHT}, {L"PRIOR", VK_PRIOR},  {L"PGUP", VK_PRIOR},
    {L"NEXT", VK_NEXT},     {L"PGDN", VK_NEXT},
};

std::wstring UpperWithoutPrefix(std::wstring name) {
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towupper(c));
    if (name.rfind(L"VK_", 0) == 0) name.erase(0, 3);
    return name;
}

}  // namespace

unsigned VirtualKeyFromName(const std::wstring& given) {
    if (!given.empty() && std::iswdigit(given[0]) && given.size() > 1) {
        wchar_t* end = nullptr;
        const unsigned long key = wcstoul(given.c_str(), &end, 0);
        return *end == L'\0' && key > 0 && key < 256 ? static_cast<unsigned>(key) : 0;
    }
    const std::wstring name = UpperWithoutPrefix(given);
    for (const NamedKey& named : kNamedKeys) {
        if (name == named.name) return named.key;
    }
    if (name.size() == 1 && (std::iswupper(name[0]) || std::iswdigit(name[0]))) return name[0];
    if (name.size() >= 2 && name[0] == L'F') {
        const int number = _wtoi(name.c_str() + 1);
        if (number >= 1 && number <= 12) return VK_F1 + static_cast<unsigned>(number - 1);
    }
    return 0;
}

}  // namespace uiprobe
