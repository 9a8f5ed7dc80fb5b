// PlusPath: a GDI+ graphics path (list P).
#pragma once

#include <vector>

#include "gdiplus/object.h"
#include "gdiplus/text.h"

namespace qinglan::gdiplus {

class PlusFontFamily;
class PlusStringFormat;

// The points and type bytes of a path, as GetPathData delivers them.
struct PathDataRecord {
    INT Count = 0;
    std::vector<PointF> Points;
    std::vector<BYTE> Types;
};

class PlusPath : public PlusObject {
public:
    using NativeType = GpPath;

    PlusPath() = default;
    QL_PLUS_MOVABLE(PlusPath)
    ~PlusPath() override { DeletePath(); }
    void Destroy() override { DeletePath(); }

    bool DeletePath() { return Delete(flat::GdipDeletePath, path_); }
    bool CreatePath(FillMode mode = FillModeAlternate) { return Into(*this, flat::GdipCreatePath, mode); }
    // Points and their type bytes; the shorter array sets the count.
    bool CreatePath2(std::span<const PointF> points, std::span<const BYTE> types, FillMode mode = FillModeAlternate);
    bool CreatePath2I(std::span<const Point> points, std::span<const BYTE> types, FillMode mode = FillModeAlternate);
    QL_INTO(ClonePath, PlusPath)
    QL_ACTION(ResetPath)
    QL_GETTER(GetPathFillMode)
    QL_ACTION(SetPathFillMode)
    bool GetPathData(PathDataRecord& data) const;
    bool GetPathTypes(std::vector<BYTE>& types) const;
    bool GetPathPoints(std::vector<PointF>& points) const;
    bool GetPathPointsI(std::vector<Point>& points) const;
    QL_ACTION(StartPathFigure)
    QL_ACTION(ClosePathFigure)
    QL_ACTION(ClosePathFigures)
    QL_ACTION(SetPathMarker)
    QL_ACTION(ClearPathMarkers)
    QL_ACTION(ReversePath)
    QL_ACTION(GetPathLastPoint)
    QL_ACTION(AddPathLine)
    QL_ACTION(AddPathLineI)
    bool AddPathLine2(std::span<const PointF> points);
    bool AddPathLine2I(std::span<const Point> points);
    QL_ACTION(AddPathArc)
    QL_ACTION(AddPathArcI)
    QL_ACTION(AddPathBezier)
    QL_ACTION(AddPathBezierI)
    bool AddPathBeziers(std::span<const PointF> points);
    bool AddPathBeziersI(std::span<const Point> points);
    bool AddPathCurve(std::span<const PointF> points);
    bool AddPathCurve2(std::span<const PointF> points, REAL tension);
    bool AddPathCurve3(std::span<const PointF> points, INT offset, INT segments, REAL tension);
    bool AddPathCurveI(std::span<const Point> points);
    bool AddPathCurve2I(std::span<const Point> points, REAL tension);
    bool AddPathCurve3I(std::span<const Point> points, INT offset, INT segments, REAL tension);
    bool AddPathClosedCurve(std::span<const PointF> points);
    bool AddPathClosedCurve2(std::span<const PointF> points, REAL tension);
    bool AddPathClosedCurveI(std::span<const Point> points);
    bool AddPathClosedCurve2I(std::span<const Point> points, REAL tension);
    QL_ACTION(AddPathRectangle)
    // Four 90-degree corner arcs of `percent` (1..100) of the width and
    // height, closed; at 100 they make the inscribed ellipse.
    bool AddRoundedRectangle(REAL x, REAL y, REAL width, REAL height, INT percent);
    bool AddPathRectangles(std::span<const RectF> rects);
    QL_ACTION(AddPathRectangleI)
    bool AddPathRectanglesI(std::span<const Rect> rects);
    QL_ACTION(AddPathEllipse)
    QL_ACTION(AddPathEllipseI)
    QL_ACTION(AddPathPie)
    QL_ACTION(AddPathPieI)
    bool AddPathPolygon(std::span<const PointF> points);
    bool AddPathPolygonI(std::span<const Point> points);
    QL_ACTION(AddPathPath)
    // The outline of a text; the em size is taken in whole units. GDI+ may
    // refuse an empty format here (InvalidParameter), unlike DrawString.
    bool AddPathString(const Text& text, const PlusFontFamily& family, INT style, INT emSize, const RectF& layout,
                       const PlusStringFormat& format);
    bool AddPathString(const ByteArray& text, const PlusFontFamily& family, INT style, INT emSize,
                       const RectF& layout, const PlusStringFormat& format);
    bool AddPathStringI(const Text& text, const PlusFontFamily& family, INT style, INT emSize, const Rect& layout,
                        const PlusStringFormat& format);
    bool AddPathStringI(const ByteArray& text, const PlusFontFamily& family, INT style, INT emSize,
                        const Rect& layout, const PlusStringFormat& format);
    QL_ACTION(TransformPath)
    QL_ACTION(GetPathWorldBounds)
    QL_ACTION(GetPathWorldBoundsI)
    QL_ACTION(FlattenPath)
    QL_ACTION(WidenPath)
    QL_ACTION(WindingModeOutline)
    bool WarpPath(const GpMatrix* matrix, std::span<const PointF> points, REAL srcX, REAL srcY, REAL srcWidth,
                  REAL srcHeight, WarpMode mode, REAL flatness);
    QL_GETTER(GetPointCount)
    QL_GETTER(IsVisiblePathPoint)
    QL_GETTER(IsVisiblePathPointI)
    QL_GETTER(IsOutlineVisiblePathPoint)
    QL_GETTER(IsOutlineVisiblePathPointI)

protected:
    void OnNativeChanged(void* native) override { path_ = static_cast<GpPath*>(native); }
    GpPath* Self() const { return path_; }

private:
    bool AddStringWide(const detail::WideArg& text, const PlusFontFamily& family, INT style, INT emSize,
                       const RectF* layout, const Rect* layoutI, const PlusStringFormat& format);
    GpPath* path_ = nullptr;
};

}  // namespace qinglan::gdiplus
