// PlusRegion: a GDI+ region (list R).
#pragma once

#include <vector>

#include "gdiplus/object.h"

namespace qinglan::gdiplus {

class PlusRegion : public PlusObject {
public:
    using NativeType = GpRegion;

    PlusRegion() = default;
    QL_PLUS_MOVABLE(PlusRegion)
    ~PlusRegion() override { DeleteRegion(); }
    void Destroy() override { DeleteRegion(); }

    bool DeleteRegion() { return Delete(flat::GdipDeleteRegion, region_); }
    QL_CREATE(CreateRegion)
    QL_CREATE(CreateRegionRect)
    QL_CREATE(CreateRegionRectI)
    QL_CREATE(CreateRegionPath)
    QL_CREATE(CreateRegionHrgn)
    // From the bytes GetRegionData gave.
    bool CreateRegionRgnData(const ByteArray& data) {
        return Into(*this, flat::GdipCreateRegionRgnData, data.data(), detail::Count(data));
    }
    QL_INTO(CloneRegion, PlusRegion)
    QL_ACTION(SetInfinite)
    QL_ACTION(SetEmpty)
    QL_ACTION(CombineRegionRect)
    QL_ACTION(CombineRegionRectI)
    QL_ACTION(CombineRegionRegion)
    QL_ACTION(CombineRegionPath)
    QL_ACTION(TranslateRegion)
    QL_ACTION(TranslateRegionI)
    QL_ACTION(TransformRegion)
    QL_ACTION(GetRegionBounds)
    QL_ACTION(GetRegionBoundsI)
    QL_GETTER(GetRegionDataSize)
    ByteArray GetRegionData() const;
    // A GDI region the caller must delete.
    QL_GETTER(GetRegionHRgn)
    QL_GETTER(IsEmptyRegion)
    QL_GETTER(IsInfiniteRegion)
    QL_GETTER(IsEqualRegion)
    QL_GETTER(IsVisibleRegionPoint)
    QL_GETTER(IsVisibleRegionPointI)
    QL_GETTER(IsVisibleRegionRect)
    QL_GETTER(IsVisibleRegionRectI)
    UINT GetRegionScansCount(const GpMatrix* matrix) const;
    // The region as rectangles under `matrix`; the result is their count.
    INT GetRegionScans(const GpMatrix* matrix, std::vector<RectF>& rects) const;
    INT GetRegionScansI(const GpMatrix* matrix, std::vector<Rect>& rects) const;

protected:
    void OnNativeChanged(void* native) override { region_ = static_cast<GpRegion*>(native); }
    GpRegion* Self() const { return region_; }

private:
    GpRegion* region_ = nullptr;
};

}  // namespace qinglan::gdiplus
