// PlusPen: a GDI+ pen (list N).
#pragma once

#include <vector>

#include "gdiplus/object.h"

namespace qinglan::gdiplus {

class PlusBrush;

class PlusPen : public PlusObject {
public:
    using NativeType = GpPen;

    PlusPen() = default;
    QL_PLUS_MOVABLE(PlusPen)
    ~PlusPen() override { DeletePen(); }
    void Destroy() override { DeletePen(); }

    bool DeletePen() { return Delete(flat::GdipDeletePen, pen_); }
    // (ARGB colour, width, unit)
    QL_CREATE(CreatePen1)
    // (brush wrapper, width, unit): a pen that paints with the brush.
    QL_CREATE(CreatePen2)
    QL_INTO(ClonePen, PlusPen)
    QL_GETTER(GetPenWidth)
    QL_ACTION(SetPenWidth)
    QL_GETTER(GetPenUnit)
    QL_ACTION(SetPenUnit)
    bool SetPenLineCap197819(LineCap start, LineCap end, DashCap dash) {
        return Act(flat::GdipSetPenLineCap197819, pen_, start, end, dash);
    }
    // One cap for both ends, flat dashes.
    bool SetPenLineCap197819(LineCap cap) { return SetPenLineCap197819(cap, cap, DashCapFlat); }
    QL_ACTION(SetPenStartCap)
    QL_ACTION(SetPenEndCap)
    QL_ACTION(SetPenDashCap197819)
    QL_GETTER(GetPenStartCap)
    QL_GETTER(GetPenEndCap)
    DashCap GetPenDashCap197819() const { return Get(flat::GdipGetPenDashCap197819, pen_); }
    bool GetPenDashCap197819(DashCap& cap) const { return Act(flat::GdipGetPenDashCap197819, pen_, &cap); }
    QL_ACTION(SetPenLineJoin)
    QL_GETTER(GetPenLineJoin)
    QL_ACTION(SetPenCustomStartCap)
    QL_GETTER(GetPenCustomStartCap)
    QL_ACTION(SetPenCustomEndCap)
    QL_GETTER(GetPenCustomEndCap)
    QL_ACTION(SetPenMiterLimit)
    QL_GETTER(GetPenMiterLimit)
    QL_ACTION(SetPenMode)
    QL_GETTER(GetPenMode)
    QL_ACTION(SetPenTransform)
    QL_ACTION(GetPenTransform)
    QL_ACTION(ResetPenTransform)
    QL_ACTION(MultiplyPenTransform)
    QL_ACTION(RotatePenTransform)
    bool RotateAt(REAL angle, const PointF& centre, MatrixOrder order);
    QL_ACTION(ScalePenTransform)
    bool ScaleAt(REAL sx, REAL sy, const PointF& centre, MatrixOrder order);
    QL_ACTION(TranslatePenTransform)
    QL_GETTER(GetPenColor)
    QL_ACTION(SetPenColor)
    QL_ACTION(SetPenBrushFill)
    // The pen's brush, as a new brush owned by `brush`.
    QL_INTO(GetPenBrushFill, PlusBrush)
    QL_GETTER(GetPenFillType)
    QL_ACTION(SetPenDashStyle)
    QL_GETTER(GetPenDashStyle)
    QL_GETTER(GetPenDashOffset)
    QL_ACTION(SetPenDashOffset)
    INT GetPenDashArray(std::vector<REAL>& dashes) const {
        return CountedArrays(flat::GdipGetPenDashCount, flat::GdipGetPenDashArray, pen_, dashes);
    }
    bool SetPenDashArray(std::span<const REAL> dashes) {
        return Act(flat::GdipSetPenDashArray, pen_, dashes.data(), detail::Count(dashes));
    }
    bool SetPenCompoundArray(std::span<const REAL> stripes) {
        return Act(flat::GdipSetPenCompoundArray, pen_, stripes.data(), detail::Count(stripes));
    }
    INT GetPenCompoundArray(std::vector<REAL>& stripes) const {
        return CountedArrays(flat::GdipGetPenCompoundCount, flat::GdipGetPenCompoundArray, pen_, stripes);
    }

protected:
    void OnNativeChanged(void* native) override { pen_ = static_cast<GpPen*>(native); }
    GpPen* Self() const { return pen_; }

private:
    GpPen* pen_ = nullptr;
};

}  // namespace qinglan::gdiplus
