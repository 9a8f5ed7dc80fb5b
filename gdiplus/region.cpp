#include "gdiplus/region.h"

namespace qinglan::gdiplus {

ByteArray PlusRegion::GetRegionData() const {
    UINT size = GetRegionDataSize();
    if (size == 0) return {};
    ByteArray data(size);
    UINT filled = 0;
    if (!Keep(flat::GdipGetRegionData(region_, data.data(), size, &filled))) return {};
    data.resize(filled < size ? filled : size);
    return data;
}

UINT PlusRegion::GetRegionScansCount(const GpMatrix* matrix) const {
    UINT count = 0;
    Keep(flat::GdipGetRegionScansCount(region_, &count, const_cast<GpMatrix*>(matrix)));
    return count;
}

template <class R, class F>
static INT Scans(const PlusRegion& region, const F& scans, GpRegion* self, const GpMatrix* matrix,
                 std::vector<R>& rects) {
    UINT count = region.GetRegionScansCount(matrix);
    rects.assign(count, R());
    if (LastStatus() != Ok || count == 0) return 0;
    INT filled = 0;
    if (!Keep(scans(self, rects.data(), &filled, const_cast<GpMatrix*>(matrix)))) return 0;
    rects.resize(filled > 0 && static_cast<UINT>(filled) < count ? filled : count);
    return static_cast<INT>(rects.size());
}
INT PlusRegion::GetRegionScans(const GpMatrix* matrix, std::vector<RectF>& rects) const {
    return Scans(*this, flat::GdipGetRegionScans, region_, matrix, rects);
}
INT PlusRegion::GetRegionScansI(const GpMatrix* matrix, std::vector<Rect>& rects) const {
    return Scans(*this, flat::GdipGetRegionScansI, region_, matrix, rects);
}

}  // namespace qinglan::gdiplus
