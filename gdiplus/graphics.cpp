#include "gdiplus/graphics.h"

#include "gdiplus/plus.h"

namespace qinglan::gdiplus {

using detail::Count;

bool PlusGraphics::CreateFromHWND(HWND window, bool useICM) {
    return Into(*this, useICM ? flat::GdipCreateFromHWNDICM : flat::GdipCreateFromHWND, window);
}
bool PlusGraphics::CreateFromHDC(HDC hdc, std::optional<HANDLE> device) {
    if (device) return Into(*this, flat::GdipCreateFromHDC2, hdc, *device);
    return Into(*this, flat::GdipCreateFromHDC, hdc);
}
bool PlusGraphics::GetImageGraphicsContext(const PlusImage& image) {
    return Into(*this, flat::GdipGetImageGraphicsContext, image);
}
bool PlusGraphics::ScaleAt(REAL sx, REAL sy, const PointF& centre, MatrixOrder order) {
    return TurnAbout(flat::GdipTranslateWorldTransform, flat::GdipScaleWorldTransform, graphics_, centre, order, sx, sy);
}
bool PlusGraphics::RotateAt(REAL angle, const PointF& centre, MatrixOrder order) {
    return TurnAbout(flat::GdipTranslateWorldTransform, flat::GdipRotateWorldTransform, graphics_, centre, order, angle);
}
bool PlusGraphics::TransformPoints(CoordinateSpace to, CoordinateSpace from, std::span<PointF> points) {
    return Act(flat::GdipTransformPoints, graphics_, to, from, points.data(), Count(points));
}
bool PlusGraphics::TransformPointsI(CoordinateSpace to, CoordinateSpace from, std::span<Point> points) {
    return Act(flat::GdipTransformPointsI, graphics_, to, from, points.data(), Count(points));
}
ARGB PlusGraphics::GetNearestColor(ARGB colour) {
    Keep(flat::GdipGetNearestColor(graphics_, &colour));
    return colour;
}

// Point and rectangle arrays: the address of the first element and the count.
#define QL_PEN_ARRAY(Name, Element)                                                   \
    bool PlusGraphics::Name(const PlusPen& pen, std::span<const Element> items) {    \
        return Act(flat::Gdip##Name, graphics_, pen, items.data(), Count(items));     \
    }
#define QL_BRUSH_ARRAY(Name, Element)                                                 \
    bool PlusGraphics::Name(const PlusBrush& brush, std::span<const Element> items) { \
        return Act(flat::Gdip##Name, graphics_, brush, items.data(), Count(items));   \
    }
QL_PEN_ARRAY(DrawLines, PointF)
QL_PEN_ARRAY(DrawLinesI, Point)
QL_PEN_ARRAY(DrawBeziers, PointF)
QL_PEN_ARRAY(DrawBeziersI, Point)
QL_PEN_ARRAY(DrawRectangles, RectF)
QL_PEN_ARRAY(DrawRectanglesI, Rect)
QL_PEN_ARRAY(DrawPolygon, PointF)
QL_PEN_ARRAY(DrawPolygonI, Point)
QL_PEN_ARRAY(DrawCurve, PointF)
QL_PEN_ARRAY(DrawCurveI, Point)
QL_PEN_ARRAY(DrawClosedCurve, PointF)
QL_PEN_ARRAY(DrawClosedCurveI, Point)
QL_BRUSH_ARRAY(FillRectangles, RectF)
QL_BRUSH_ARRAY(FillRectanglesI, Rect)
QL_BRUSH_ARRAY(FillClosedCurve, PointF)
QL_BRUSH_ARRAY(FillClosedCurveI, Point)
#undef QL_PEN_ARRAY
#undef QL_BRUSH_ARRAY

bool PlusGraphics::DrawCurve2(const PlusPen& pen, std::span<const PointF> points, REAL tension) {
    return Act(flat::GdipDrawCurve2, graphics_, pen, points.data(), Count(points), tension);
}
bool PlusGraphics::DrawCurve2I(const PlusPen& pen, std::span<const Point> points, REAL tension) {
    return Act(flat::GdipDrawCurve2I, graphics_, pen, points.data(), Count(points), tension);
}
bool PlusGraphics::DrawCurve3(const PlusPen& pen, std::span<const PointF> points, INT offset, INT segments,
                              REAL tension) {
    return Act(flat::GdipDrawCurve3, graphics_, pen, points.data(), Count(points), offset, segments, tension);
}
bool PlusGraphics::DrawCurve3I(const PlusPen& pen, std::span<const Point> points, INT offset, INT segments,
                               REAL tension) {
    return Act(flat::GdipDrawCurve3I, graphics_, pen, points.data(), Count(points), offset, segments, tension);
}
bool PlusGraphics::DrawClosedCurve2(const PlusPen& pen, std::span<const PointF> points, REAL tension) {
    return Act(flat::GdipDrawClosedCurve2, graphics_, pen, points.data(), Count(points), tension);
}
bool PlusGraphics::DrawClosedCurve2I(const PlusPen& pen, std::span<const Point> points, REAL tension) {
    return Act(flat::GdipDrawClosedCurve2I, graphics_, pen, points.data(), Count(points), tension);
}
bool PlusGraphics::FillRectangle(const PlusBrush& brush, REAL x, REAL y, REAL width, REAL height) {
    return Act(flat::GdipFillRectangle, graphics_, brush, x, y, width, height);
}
bool PlusGraphics::FillRectangle(const PlusBrush& brush, const RectF& rect) {
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}
bool PlusGraphics::FillPolygon(const PlusBrush& brush, std::span<const PointF> points, FillMode mode) {
    return Act(flat::GdipFillPolygon, graphics_, brush, points.data(), Count(points), mode);
}
bool PlusGraphics::FillPolygonI(const PlusBrush& brush, std::span<const Point> points, FillMode mode) {
    return Act(flat::GdipFillPolygonI, graphics_, brush, points.data(), Count(points), mode);
}
bool PlusGraphics::FillClosedCurve2(const PlusBrush& brush, std::span<const PointF> points, REAL tension,
                                    FillMode mode) {
    return Act(flat::GdipFillClosedCurve2, graphics_, brush, points.data(), Count(points), tension, mode);
}
bool PlusGraphics::FillClosedCurve2I(const PlusBrush& brush, std::span<const Point> points, REAL tension,
                                     FillMode mode) {
    return Act(flat::GdipFillClosedCurve2I, graphics_, brush, points.data(), Count(points), tension, mode);
}

// The ANSI and UTF-16 forms differ only in how the text becomes a WideArg.
bool PlusGraphics::DrawString(const Text& text, const PlusFont& font, const PlusBrush& brush, const RectF& layout,
                              const PlusStringFormat& format) {
    return DrawWide(detail::WideArg(text), font, brush, layout, format);
}
bool PlusGraphics::DrawString(const ByteArray& text, const PlusFont& font, const PlusBrush& brush,
                              const RectF& layout, const PlusStringFormat& format) {
    return DrawWide(detail::WideArg(text), font, brush, layout, format);
}
bool PlusGraphics::DrawWide(const detail::WideArg& text, const PlusFont& font, const PlusBrush& brush,
                            const RectF& layout, const PlusStringFormat& format) {
    return Act(flat::GdipDrawString, graphics_, text.c_str(), text.Length(), font, layout, format, brush);
}

bool PlusGraphics::MeasureString(const Text& text, const PlusFont& font, const RectF& layout,
                                 const PlusStringFormat& format, RectF& bounds) {
    return MeasureWide(detail::WideArg(text), font, layout, format, bounds);
}
bool PlusGraphics::MeasureString(const ByteArray& text, const PlusFont& font, const RectF& layout,
                                 const PlusStringFormat& format, RectF& bounds) {
    return MeasureWide(detail::WideArg(text), font, layout, format, bounds);
}
bool PlusGraphics::MeasureWide(const detail::WideArg& text, const PlusFont& font, const RectF& layout,
                               const PlusStringFormat& format, RectF& bounds) {
    return Act(flat::GdipMeasureString, graphics_, text.c_str(), text.Length(), font, layout, format, bounds,
               nullptr, nullptr);
}

bool PlusGraphics::MeasureCharacterRanges(const Text& text, const PlusFont& font, const RectF& layout,
                                          const PlusStringFormat& format, INT count,
                                          std::vector<PlusRegion>& regions) {
    return MeasureRangesWide(detail::WideArg(text), font, layout, format, count, regions);
}
bool PlusGraphics::MeasureCharacterRanges(const ByteArray& text, const PlusFont& font, const RectF& layout,
                                          const PlusStringFormat& format, INT count,
                                          std::vector<PlusRegion>& regions) {
    return MeasureRangesWide(detail::WideArg(text), font, layout, format, count, regions);
}
bool PlusGraphics::MeasureRangesWide(const detail::WideArg& text, const PlusFont& font, const RectF& layout,
                                     const PlusStringFormat& format, INT count, std::vector<PlusRegion>& regions) {
    if (count < 1) return Keep(InvalidParameter);
    std::vector<PlusRegion> made(count);
    std::vector<GpRegion*> natives;
    for (PlusRegion& region : made) {
        if (!region.CreateRegion()) return false;
        natives.push_back(static_cast<GpRegion*>(region.GetNative()));
    }
    if (!Act(flat::GdipMeasureCharacterRanges, graphics_, text.c_str(), text.Length(), font, layout, format, count,
             natives.data()))
        return false;
    regions = std::move(made);
    return true;
}

bool PlusGraphics::DrawDriverString(const Text& text, const PlusFont& font, const PlusBrush& brush,
                                    std::span<const PointF> positions, INT flags, const GpMatrix* matrix) {
    return DrawDriverWide(detail::WideArg(text), font, brush, positions, flags, matrix);
}
bool PlusGraphics::DrawDriverString(const ByteArray& text, const PlusFont& font, const PlusBrush& brush,
                                    std::span<const PointF> positions, INT flags, const GpMatrix* matrix) {
    return DrawDriverWide(detail::WideArg(text), font, brush, positions, flags, matrix);
}
bool PlusGraphics::DrawDriverWide(const detail::WideArg& text, const PlusFont& font, const PlusBrush& brush,
                                  std::span<const PointF> positions, INT flags, const GpMatrix* matrix) {
    // GDI+ reads one position per character (one in all with realized
    // advance); an array shorter than that would be read past its end.
    INT needed = (flags & DriverStringOptionsRealizedAdvance) ? 1 : text.Length();
    if (Count(positions) < needed) return Keep(InvalidParameter);
    return Act(flat::GdipDrawDriverString, graphics_, reinterpret_cast<const UINT16*>(text.c_str()), text.Length(),
               font, brush, positions.data(), flags, matrix);
}

bool PlusGraphics::DrawImageRectRect(const PlusImage& image, REAL x, REAL y, REAL width, REAL height, Unit unit) {
    return DrawImageRectRect(image, x, y, width, height, 0, 0, static_cast<REAL>(image.GetImageWidth()),
                             static_cast<REAL>(image.GetImageHeight()), unit);
}
bool PlusGraphics::DrawImageRectRectI(const PlusImage& image, INT x, INT y, INT width, INT height, Unit unit) {
    return DrawImageRectRectI(image, x, y, width, height, 0, 0, static_cast<INT>(image.GetImageWidth()),
                              static_cast<INT>(image.GetImageHeight()), unit);
}
bool PlusGraphics::DrawImagePoints(const PlusImage& image, std::span<const PointF> points) {
    return Act(flat::GdipDrawImagePoints, graphics_, image, points.data(), Count(points));
}
bool PlusGraphics::DrawImagePointsI(const PlusImage& image, std::span<const Point> points) {
    return Act(flat::GdipDrawImagePointsI, graphics_, image, points.data(), Count(points));
}
bool PlusGraphics::DrawImageRectRect(const PlusImage& image, REAL dstX, REAL dstY, REAL dstWidth, REAL dstHeight,
                                     REAL srcX, REAL srcY, REAL srcWidth, REAL srcHeight, Unit unit,
                                     const GpImageAttributes* attributes) {
    return Act(flat::GdipDrawImageRectRect, graphics_, image, dstX, dstY, dstWidth, dstHeight, srcX, srcY, srcWidth,
               srcHeight, unit, attributes, nullptr, nullptr);
}
bool PlusGraphics::DrawImageRectRectI(const PlusImage& image, INT dstX, INT dstY, INT dstWidth, INT dstHeight,
                                      INT srcX, INT srcY, INT srcWidth, INT srcHeight, Unit unit,
                                      const GpImageAttributes* attributes) {
    return Act(flat::GdipDrawImageRectRectI, graphics_, image, dstX, dstY, dstWidth, dstHeight, srcX, srcY, srcWidth,
               srcHeight, unit, attributes, nullptr, nullptr);
}
bool PlusGraphics::DrawImagePointsRect(const PlusImage& image, std::span<const PointF> points, REAL srcX, REAL srcY,
                                       REAL srcWidth, REAL srcHeight, Unit unit,
                                       const GpImageAttributes* attributes) {
    return Act(flat::GdipDrawImagePointsRect, graphics_, image, points.data(), Count(points), srcX, srcY, srcWidth,
               srcHeight, unit, attributes, nullptr, nullptr);
}
bool PlusGraphics::DrawImagePointsRectI(const PlusImage& image, std::span<const Point> points, INT srcX, INT srcY,
                                        INT srcWidth, INT srcHeight, Unit unit,
                                        const GpImageAttributes* attributes) {
    return Act(flat::GdipDrawImagePointsRectI, graphics_, image, points.data(), Count(points), srcX, srcY, srcWidth,
               srcHeight, unit, attributes, nullptr, nullptr);
}
bool PlusGraphics::Comment(const ByteArray& data) {
    return Act(flat::GdipComment, graphics_, static_cast<UINT>(data.size()), data.data());
}

}  // namespace qinglan::gdiplus
