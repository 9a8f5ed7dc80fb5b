#include "gdiplus/path.h"

#include <algorithm>

#include "gdiplus/plus.h"

namespace qinglan::gdiplus {

using detail::Count;

bool PlusPath::CreatePath2(std::span<const PointF> points, std::span<const BYTE> types, FillMode mode) {
    INT count = std::min(Count(points), Count(types));
    return Into(*this, flat::GdipCreatePath2, points.data(), types.data(), count, mode);
}
bool PlusPath::CreatePath2I(std::span<const Point> points, std::span<const BYTE> types, FillMode mode) {
    INT count = std::min(Count(points), Count(types));
    return Into(*this, flat::GdipCreatePath2I, points.data(), types.data(), count, mode);
}

bool PlusPath::GetPathData(PathDataRecord& data) const {
    INT count = GetPointCount();
    data.Count = count;
    data.Points.assign(count, PointF());
    data.Types.assign(count, 0);
    if (count < 1) return false;
    // The native PathData record: count, then the two buffers' addresses.
    struct {
        INT Count;
        PointF* Points;
        BYTE* Types;
    } native{count, static_cast<PointF*>(Alloc(sizeof(PointF) * count)), static_cast<BYTE*>(Alloc(count))};
    bool ok = native.Points && native.Types ? Act(flat::GdipGetPathData, path_, reinterpret_cast<GpPathData*>(&native)) : Keep(OutOfMemory);
    if (ok) {
        std::copy_n(native.Points, count, data.Points.begin());
        std::copy_n(native.Types, count, data.Types.begin());
    }
    if (native.Points) Free(native.Points);
    if (native.Types) Free(native.Types);
    return ok;
}

// Point and type arrays are sized to GetPointCount before they are filled.
template <class T, class F>
static bool FillCounted(const PlusPath& path, const F& getter, GpPath* self, std::vector<T>& items) {
    items.assign(path.GetPointCount(), T());
    return Keep(getter(self, items.data(), detail::Count(items)));
}
bool PlusPath::GetPathTypes(std::vector<BYTE>& types) const { return FillCounted(*this, flat::GdipGetPathTypes, path_, types); }
bool PlusPath::GetPathPoints(std::vector<PointF>& points) const {
    return FillCounted(*this, flat::GdipGetPathPoints, path_, points);
}
bool PlusPath::GetPathPointsI(std::vector<Point>& points) const {
    return FillCounted(*this, flat::GdipGetPathPointsI, path_, points);
}

#define QL_PATH_ARRAY(Name, Element) \
    bool PlusPath::Name(std::span<const Element> items) { return Act(flat::Gdip##Name, path_, items.data(), Count(items)); }
QL_PATH_ARRAY(AddPathLine2, PointF)
QL_PATH_ARRAY(AddPathLine2I, Point)
QL_PATH_ARRAY(AddPathBeziers, PointF)
QL_PATH_ARRAY(AddPathBeziersI, Point)
QL_PATH_ARRAY(AddPathCurve, PointF)
QL_PATH_ARRAY(AddPathCurveI, Point)
QL_PATH_ARRAY(AddPathClosedCurve, PointF)
QL_PATH_ARRAY(AddPathClosedCurveI, Point)
QL_PATH_ARRAY(AddPathRectangles, RectF)
QL_PATH_ARRAY(AddPathRectanglesI, Rect)
QL_PATH_ARRAY(AddPathPolygon, PointF)
QL_PATH_ARRAY(AddPathPolygonI, Point)
#undef QL_PATH_ARRAY

bool PlusPath::AddPathCurve2(std::span<const PointF> points, REAL tension) {
    return Act(flat::GdipAddPathCurve2, path_, points.data(), Count(points), tension);
}
bool PlusPath::AddPathCurve2I(std::span<const Point> points, REAL tension) {
    return Act(flat::GdipAddPathCurve2I, path_, points.data(), Count(points), tension);
}
bool PlusPath::AddPathCurve3(std::span<const PointF> points, INT offset, INT segments, REAL tension) {
    return Act(flat::GdipAddPathCurve3, path_, points.data(), Count(points), offset, segments, tension);
}
bool PlusPath::AddPathCurve3I(std::span<const Point> points, INT offset, INT segments, REAL tension) {
    return Act(flat::GdipAddPathCurve3I, path_, points.data(), Count(points), offset, segments, tension);
}
bool PlusPath::AddPathClosedCurve2(std::span<const PointF> points, REAL tension) {
    return Act(flat::GdipAddPathClosedCurve2, path_, points.data(), Count(points), tension);
}
bool PlusPath::AddPathClosedCurve2I(std::span<const Point> points, REAL tension) {
    return Act(flat::GdipAddPathClosedCurve2I, path_, points.data(), Count(points), tension);
}

bool PlusPath::AddRoundedRectangle(REAL x, REAL y, REAL width, REAL height, INT percent) {
    percent = std::clamp(percent, 1, 100);
    REAL w = static_cast<REAL>(static_cast<INT>(width * percent / 100));
    REAL h = static_cast<REAL>(static_cast<INT>(height * percent / 100));
    AddPathArc(x + width - w, y, w, h, 270.0f, 90.0f);
    AddPathArc(x + width - w, y + height - h, w, h, 0.0f, 90.0f);
    AddPathArc(x, y + height - h, w, h, 90.0f, 90.0f);
    AddPathArc(x, y, w, h, 180.0f, 90.0f);
    return ClosePathFigure();
}

bool PlusPath::AddPathString(const Text& text, const PlusFontFamily& family, INT style, INT emSize,
                             const RectF& layout, const PlusStringFormat& format) {
    return AddStringWide(detail::WideArg(text), family, style, emSize, &layout, nullptr, format);
}
bool PlusPath::AddPathString(const ByteArray& text, const PlusFontFamily& family, INT style, INT emSize,
                             const RectF& layout, const PlusStringFormat& format) {
    return AddStringWide(detail::WideArg(text), family, style, emSize, &layout, nullptr, format);
}
bool PlusPath::AddPathStringI(const Text& text, const PlusFontFamily& family, INT style, INT emSize,
                              const Rect& layout, const PlusStringFormat& format) {
    return AddStringWide(detail::WideArg(text), family, style, emSize, nullptr, &layout, format);
}
bool PlusPath::AddPathStringI(const ByteArray& text, const PlusFontFamily& family, INT style, INT emSize,
                              const Rect& layout, const PlusStringFormat& format) {
    return AddStringWide(detail::WideArg(text), family, style, emSize, nullptr, &layout, format);
}
bool PlusPath::AddStringWide(const detail::WideArg& text, const PlusFontFamily& family, INT style, INT emSize,
                             const RectF* layout, const Rect* layoutI, const PlusStringFormat& format) {
    REAL size = static_cast<REAL>(emSize);
    if (layoutI)
        return Act(flat::GdipAddPathStringI, path_, text.c_str(), text.Length(), family, style, size, layoutI, format);
    return Act(flat::GdipAddPathString, path_, text.c_str(), text.Length(), family, style, size, layout, format);
}

bool PlusPath::WarpPath(const GpMatrix* matrix, std::span<const PointF> points, REAL srcX, REAL srcY, REAL srcWidth,
                        REAL srcHeight, WarpMode mode, REAL flatness) {
    return Act(flat::GdipWarpPath, path_, const_cast<GpMatrix*>(matrix), points.data(), Count(points), srcX, srcY,
               srcWidth, srcHeight, mode, flatness);
}

}  // namespace qinglan::gdiplus
