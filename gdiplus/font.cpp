#include "gdiplus/font.h"

#include <cstring>

#include "gdiplus/plus.h"
#include "runtime/handle.h"

namespace qinglan::gdiplus {

INT PlusFontCollection::GetFamilyList(INT count, std::vector<PlusFontFamily>& families) const {
    if (count < 1) {
        Keep(InvalidParameter);
        return 0;
    }
    std::vector<PlusFontFamily> made(count);
    std::vector<GpFontFamily*> handles(count, nullptr);
    INT found = 0;
    Keep(flat::GdipGetFontCollectionFamilyList(collection_, count, handles.data(), &found));
    for (INT i = 0; i < count; ++i) made[i].SetNative(handles[i]);
    families = std::move(made);
    return found;
}

bool PlusFontFamily::CreateFromName(const Text& name, const PlusFontCollection& collection) {
    detail::WideArg wide(name);
    return Into(*this, flat::GdipCreateFontFamilyFromName, wide.c_str(), collection);
}
bool PlusFontFamily::CreateFromName(const ByteArray& name, const PlusFontCollection& collection) {
    detail::WideArg wide(name);
    return Into(*this, flat::GdipCreateFontFamilyFromName, wide.c_str(), collection);
}
ByteArray PlusFontFamily::GetFamilyNameUtf16(LANGID language) const {
    WCHAR name[LF_FACESIZE] = {};
    Keep(flat::GdipGetFamilyName(family_, name, language));
    ByteArray bytes(sizeof name);
    std::memcpy(bytes.data(), name, sizeof name);
    return bytes;
}
Text PlusFontFamily::GetFamilyName(LANGID language) const { return ToAnsiText(GetFamilyNameUtf16(language)); }

bool PlusFont::CreateFromDefaultGuiFont() {
    auto* logfont = static_cast<LOGFONTA*>(Alloc(sizeof(LOGFONTA)));
    if (!logfont) return Keep(OutOfMemory);
    bool ok = GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTA), logfont) != 0 &&
              CreateFromLogfontA(WindowDc(nullptr).Get(), logfont);
    Free(logfont);
    return ok;
}

bool PlusFont::Create(const Text& familyName, REAL emSize, INT style, Unit unit) {
    return CreateNamed(detail::WideArg(familyName), emSize, style, unit);
}
bool PlusFont::Create(const ByteArray& familyName, REAL emSize, INT style, Unit unit) {
    return CreateNamed(detail::WideArg(familyName), emSize, style, unit);
}
bool PlusFont::CreateNamed(const detail::WideArg& name, REAL emSize, INT style, Unit unit) {
    PlusFontFamily family;
    PlusFontCollection installed;  // empty: GDI+ searches the installed fonts
    if (!Into(family, flat::GdipCreateFontFamilyFromName, name.c_str(), installed)) {
        Status status = LastStatus();
        Destroy();
        return Keep(status);
    }
    bool ok = Into(*this, flat::GdipCreateFont, family, emSize, style, unit);
    Status status = LastStatus();
    family.DeleteFontFamily();
    Keep(status);
    return ok;
}

bool PlusFont::CreateFromHFONT(HDC hdc, HFONT font) {
    LOGFONTA logfont{};
    if (font && GetObjectA(font, sizeof logfont, &logfont) == sizeof logfont) return CreateFromLogfontA(hdc, &logfont);
    return CreateFontFromDC(hdc);
}
bool PlusFont::CreateFromLogfontA(HDC hdc, const LOGFONTA* logfont) {
    if (!logfont) return CreateFontFromDC(hdc);
    return Into(*this, flat::GdipCreateFontFromLogfontA, hdc, logfont);
}
bool PlusFont::CreateFromLogfontW(HDC hdc, const LOGFONTW* logfont) {
    if (!logfont) return CreateFontFromDC(hdc);
    return Into(*this, flat::GdipCreateFontFromLogfontW, hdc, logfont);
}

}  // namespace qinglan::gdiplus
