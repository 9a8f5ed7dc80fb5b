// PlusStringFormat: layout of drawn and measured text (list S).
#pragma once

#include <vector>

#include "gdiplus/object.h"

namespace qinglan::gdiplus {

class PlusStringFormat : public PlusObject {
public:
    using NativeType = GpStringFormat;

    PlusStringFormat() = default;
    QL_PLUS_MOVABLE(PlusStringFormat)
    ~PlusStringFormat() override { DeleteStringFormat(); }
    void Destroy() override { DeleteStringFormat(); }

    bool DeleteStringFormat() { return Delete(flat::GdipDeleteStringFormat, format_); }
    bool CreateStringFormat(INT flags = 0, LANGID language = LANG_NEUTRAL) {
        return Into(*this, flat::GdipCreateStringFormat, flags, language);
    }
    QL_CREATE(StringFormatGetGenericDefault)
    QL_CREATE(StringFormatGetGenericTypographic)
    QL_INTO(CloneStringFormat, PlusStringFormat)
    QL_ACTION(SetStringFormatFlags)
    QL_GETTER(GetStringFormatFlags)
    QL_ACTION(SetStringFormatAlign)
    QL_GETTER(GetStringFormatAlign)
    QL_ACTION(SetStringFormatLineAlign)
    QL_GETTER(GetStringFormatLineAlign)
    QL_ACTION(SetStringFormatTrimming)
    QL_GETTER(GetStringFormatTrimming)
    QL_ACTION(SetStringFormatHotkeyPrefix)
    QL_GETTER(GetStringFormatHotkeyPrefix)
    bool SetStringFormatTabStops(REAL firstOffset, std::span<const REAL> stops) {
        return Act(flat::GdipSetStringFormatTabStops, format_, firstOffset, detail::Count(stops), stops.data());
    }
    // The tab stops and the offset of the first; the result is their count.
    INT GetStringFormatTabStops(REAL& firstOffset, std::vector<REAL>& stops) const;
    QL_ACTION(SetStringFormatDigitSubstitution)
    QL_ACTION(GetStringFormatDigitSubstitution)
    bool SetStringFormatMeasurableCharacterRanges(std::span<const CharacterRange> ranges) {
        return Act(flat::GdipSetStringFormatMeasurableCharacterRanges, format_, detail::Count(ranges), ranges.data());
    }
    QL_GETTER(GetStringFormatMeasurableCharacterRangeCount)

protected:
    void OnNativeChanged(void* native) override { format_ = static_cast<GpStringFormat*>(native); }
    GpStringFormat* Self() const { return format_; }

private:
    GpStringFormat* format_ = nullptr;
};

}  // namespace qinglan::gdiplus
