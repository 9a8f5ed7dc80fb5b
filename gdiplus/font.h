// PlusFont (list F), PlusFontFamily and PlusFontCollection.
//
// Families and collections are not deleted when their wrapper goes: a family
// is deleted only by an explicit DeleteFontFamily (families delivered by a
// collection's list belong to the collection), and the layer never deletes a
// collection (it only uses the empty one, native 0: the installed fonts).
#pragma once

#include <vector>

#include "gdiplus/object.h"
#include "gdiplus/text.h"

namespace qinglan::gdiplus {

class PlusGraphics;
class PlusFontFamily;

class PlusFontCollection : public PlusObject {
public:
    using NativeType = GpFontCollection;

    PlusFontCollection() = default;
    QL_PLUS_MOVABLE(PlusFontCollection)

    QL_GETTER(GetFontCollectionFamilyCount)
    // Up to `count` families of the collection into `families`; the number
    // found (0, with LastStatus InvalidParameter, when count < 1).
    INT GetFamilyList(INT count, std::vector<PlusFontFamily>& families) const;

protected:
    void OnNativeChanged(void* native) override {
        collection_ = static_cast<GpFontCollection*>(native);
        OnNativeChanged2(native);
    }
    virtual void OnNativeChanged2(void*) {}
    GpFontCollection* Self() const { return collection_; }

private:
    GpFontCollection* collection_ = nullptr;
};

class PlusFontFamily : public PlusObject {
public:
    using NativeType = GpFontFamily;

    PlusFontFamily() = default;
    QL_PLUS_MOVABLE(PlusFontFamily)

    bool DeleteFontFamily() { return Delete(flat::GdipDeleteFontFamily, family_); }
    // The family of that name in `collection` (empty: the installed fonts).
    bool CreateFromName(const Text& name, const PlusFontCollection& collection);
    bool CreateFromName(const ByteArray& name, const PlusFontCollection& collection);
    QL_CREATE(GetGenericFontFamilySansSerif)
    QL_CREATE(GetGenericFontFamilySerif)
    QL_CREATE(GetGenericFontFamilyMonospace)
    QL_INTO(CloneFontFamily, PlusFontFamily)
    Text GetFamilyName(LANGID language = 0) const;
    // The name as the 64-byte UTF-16 buffer GDI+ filled.
    ByteArray GetFamilyNameUtf16(LANGID language = 0) const;
    QL_GETTER(IsStyleAvailable)
    QL_GETTER(GetEmHeight)
    QL_GETTER(GetCellAscent)
    QL_GETTER(GetCellDescent)
    QL_GETTER(GetLineSpacing)

protected:
    void OnNativeChanged(void* native) override { family_ = static_cast<GpFontFamily*>(native); }
    GpFontFamily* Self() const { return family_; }

private:
    GpFontFamily* family_ = nullptr;
};

class PlusFont : public PlusObject {
public:
    using NativeType = GpFont;

    PlusFont() = default;
    QL_PLUS_MOVABLE(PlusFont)
    ~PlusFont() override { DeleteFont(); }
    void Destroy() override { DeleteFont(); }

    bool DeleteFont() { return Delete(flat::GdipDeleteFont, font_); }
    // (family wrapper, em size, style, unit)
    QL_CREATE(CreateFont)
    bool CreateFromDefaultGuiFont();
    // From an installed family's name; fails, empty, when none has it.
    bool Create(const Text& familyName, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitWorld);
    bool Create(const ByteArray& familyName, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitWorld);
    // The font selected into `hdc`.
    QL_CREATE(CreateFontFromDC)
    // From a GDI font; without a readable one, the font selected into `hdc`.
    bool CreateFromHFONT(HDC hdc, HFONT font);
    bool CreateFromLogfontA(HDC hdc, const LOGFONTA* logfont);
    bool CreateFromLogfontW(HDC hdc, const LOGFONTW* logfont);
    QL_INTO(CloneFont, PlusFont)
    QL_ACTION(GetLogFontA)
    QL_ACTION(GetLogFontW)
    // The font's family, as a new family that `family` must delete.
    QL_INTO(GetFamily, PlusFontFamily)
    QL_GETTER(GetFontStyle)
    QL_GETTER(GetFontSize)
    QL_GETTER(GetFontUnit)
    QL_GETTER(GetFontHeight)
    QL_GETTER(GetFontHeightGivenDPI)

protected:
    void OnNativeChanged(void* native) override { font_ = static_cast<GpFont*>(native); }
    GpFont* Self() const { return font_; }

private:
    bool CreateNamed(const detail::WideArg& name, REAL emSize, INT style, Unit unit);
    GpFont* font_ = nullptr;
};

}  // namespace qinglan::gdiplus
