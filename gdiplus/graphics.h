// PlusGraphics: a GDI+ drawing surface (list G).
#pragma once

#include <optional>
#include <vector>

#include "gdiplus/object.h"
#include "gdiplus/text.h"

namespace qinglan::gdiplus {

class PlusPen;
class PlusBrush;
class PlusPath;
class PlusFont;
class PlusStringFormat;
class PlusRegion;
class PlusImage;

class PlusGraphics : public PlusObject {
public:
    using NativeType = GpGraphics;

    PlusGraphics() = default;
    QL_PLUS_MOVABLE(PlusGraphics)
    ~PlusGraphics() override { DeleteGraphics(); }
    void Destroy() override { DeleteGraphics(); }

    bool DeleteGraphics() { return Delete(flat::GdipDeleteGraphics, graphics_); }
    QL_ACTION(Flush)
    bool CreateFromHWND(HWND window, bool useICM = false);
    // With a device handle, GdipCreateFromHDC2(hdc, device).
    bool CreateFromHDC(HDC hdc, std::optional<HANDLE> device = std::nullopt);
    // A graphics that draws into `image`.
    bool GetImageGraphicsContext(const PlusImage& image);
    QL_GETTER(GetDC)
    QL_ACTION(ReleaseDC)
    QL_ACTION(GetRenderingOrigin)
    QL_ACTION(SetRenderingOrigin)
    QL_GETTER(GetCompositingMode)
    QL_ACTION(SetCompositingMode)
    QL_GETTER(GetCompositingQuality)
    QL_ACTION(SetCompositingQuality)
    QL_ACTION(SetTextRenderingHint)
    QL_GETTER(GetTextRenderingHint)
    QL_ACTION(SetTextContrast)
    QL_GETTER(GetTextContrast)
    QL_ACTION(SetInterpolationMode)
    QL_GETTER(GetInterpolationMode)
    QL_ACTION(SetSmoothingMode)
    QL_GETTER(GetSmoothingMode)
    QL_ACTION(SetPixelOffsetMode)
    QL_GETTER(GetPixelOffsetMode)
    QL_ACTION(SetWorldTransform)
    QL_ACTION(GetWorldTransform)
    QL_ACTION(ResetWorldTransform)
    QL_ACTION(MultiplyWorldTransform)
    QL_ACTION(TranslateWorldTransform)
    QL_ACTION(ScaleWorldTransform)
    bool ScaleAt(REAL sx, REAL sy, const PointF& centre, MatrixOrder order);
    QL_ACTION(RotateWorldTransform)
    bool RotateAt(REAL angle, const PointF& centre, MatrixOrder order);
    QL_ACTION(SetPageUnit)
    QL_GETTER(GetPageUnit)
    QL_ACTION(SetPageScale)
    QL_GETTER(GetPageScale)
    QL_GETTER(GetDpiX)
    QL_GETTER(GetDpiY)
    bool TransformPoints(CoordinateSpace to, CoordinateSpace from, std::span<PointF> points);
    bool TransformPointsI(CoordinateSpace to, CoordinateSpace from, std::span<Point> points);
    // The colour nearest to `colour` that the surface can show.
    ARGB GetNearestColor(ARGB colour);

    QL_ACTION(DrawLine)
    QL_ACTION(DrawLineI)
    bool DrawLines(const PlusPen& pen, std::span<const PointF> points);
    bool DrawLinesI(const PlusPen& pen, std::span<const Point> points);
    QL_ACTION(DrawArc)
    QL_ACTION(DrawArcI)
    QL_ACTION(DrawBezier)
    QL_ACTION(DrawBezierI)
    bool DrawBeziers(const PlusPen& pen, std::span<const PointF> points);
    bool DrawBeziersI(const PlusPen& pen, std::span<const Point> points);
    QL_ACTION(DrawRectangle)
    QL_ACTION(DrawRectangleI)
    bool DrawRectangles(const PlusPen& pen, std::span<const RectF> rects);
    bool DrawRectanglesI(const PlusPen& pen, std::span<const Rect> rects);
    QL_ACTION(DrawEllipse)
    QL_ACTION(DrawEllipseI)
    QL_ACTION(DrawPie)
    QL_ACTION(DrawPieI)
    bool DrawPolygon(const PlusPen& pen, std::span<const PointF> points);
    bool DrawPolygonI(const PlusPen& pen, std::span<const Point> points);
    QL_ACTION(DrawPath)
    bool DrawCurve(const PlusPen& pen, std::span<const PointF> points);
    bool DrawCurveI(const PlusPen& pen, std::span<const Point> points);
    bool DrawCurve2(const PlusPen& pen, std::span<const PointF> points, REAL tension);
    bool DrawCurve2I(const PlusPen& pen, std::span<const Point> points, REAL tension);
    bool DrawCurve3(const PlusPen& pen, std::span<const PointF> points, INT offset, INT segments, REAL tension);
    bool DrawCurve3I(const PlusPen& pen, std::span<const Point> points, INT offset, INT segments, REAL tension);
    bool DrawClosedCurve(const PlusPen& pen, std::span<const PointF> points);
    bool DrawClosedCurveI(const PlusPen& pen, std::span<const Point> points);
    bool DrawClosedCurve2(const PlusPen& pen, std::span<const PointF> points, REAL tension);
    bool DrawClosedCurve2I(const PlusPen& pen, std::span<const Point> points, REAL tension);

    QL_ACTION(GraphicsClear)
    bool FillRectangle(const PlusBrush& brush, REAL x, REAL y, REAL width, REAL height);
    bool FillRectangle(const PlusBrush& brush, const RectF& rect);
    QL_ACTION(FillRectangleI)
    bool FillRectangles(const PlusBrush& brush, std::span<const RectF> rects);
    bool FillRectanglesI(const PlusBrush& brush, std::span<const Rect> rects);
    bool FillPolygon(const PlusBrush& brush, std::span<const PointF> points, FillMode mode = FillModeAlternate);
    bool FillPolygonI(const PlusBrush& brush, std::span<const Point> points, FillMode mode = FillModeAlternate);
    QL_ACTION(FillEllipse)
    QL_ACTION(FillEllipseI)
    QL_ACTION(FillPie)
    QL_ACTION(FillPieI)
    QL_ACTION(FillPath)
    bool FillClosedCurve(const PlusBrush& brush, std::span<const PointF> points);
    bool FillClosedCurve2(const PlusBrush& brush, std::span<const PointF> points, REAL tension, FillMode mode);
    bool FillClosedCurveI(const PlusBrush& brush, std::span<const Point> points);
    bool FillClosedCurve2I(const PlusBrush& brush, std::span<const Point> points, REAL tension, FillMode mode);
    QL_ACTION(FillRegion)

    // Text: the ANSI form converts with ToWideText, the UTF-16 form takes the
    // units as they are. An empty format wrapper means GDI+'s default.
    bool DrawString(const Text& text, const PlusFont& font, const PlusBrush& brush, const RectF& layout,
                    const PlusStringFormat& format);
    bool DrawString(const ByteArray& text, const PlusFont& font, const PlusBrush& brush, const RectF& layout,
                    const PlusStringFormat& format);
    bool MeasureString(const Text& text, const PlusFont& font, const RectF& layout, const PlusStringFormat& format,
                       RectF& bounds);
    bool MeasureString(const ByteArray& text, const PlusFont& font, const RectF& layout,
                       const PlusStringFormat& format, RectF& bounds);
    // One region per measurable character range of `format`, in `regions`.
    bool MeasureCharacterRanges(const Text& text, const PlusFont& font, const RectF& layout,
                                const PlusStringFormat& format, INT count, std::vector<PlusRegion>& regions);
    bool MeasureCharacterRanges(const ByteArray& text, const PlusFont& font, const RectF& layout,
                                const PlusStringFormat& format, INT count, std::vector<PlusRegion>& regions);
    // One position per character of the text (more are ignored, fewer fail).
    bool DrawDriverString(const Text& text, const PlusFont& font, const PlusBrush& brush,
                          std::span<const PointF> positions, INT flags = DriverStringOptionsCmapLookup,
                          const GpMatrix* matrix = nullptr);
    bool DrawDriverString(const ByteArray& text, const PlusFont& font, const PlusBrush& brush,
                          std::span<const PointF> positions, INT flags = DriverStringOptionsCmapLookup,
                          const GpMatrix* matrix = nullptr);

    QL_ACTION(DrawImage)
    QL_ACTION(DrawImageI)
    QL_ACTION(DrawCachedBitmap)
    // The whole image into a rectangle.
    bool DrawImageRectRect(const PlusImage& image, REAL x, REAL y, REAL width, REAL height, Unit unit = UnitPixel);
    bool DrawImageRectRectI(const PlusImage& image, INT x, INT y, INT width, INT height, Unit unit = UnitPixel);
    bool DrawImagePoints(const PlusImage& image, std::span<const PointF> points);
    bool DrawImagePointsI(const PlusImage& image, std::span<const Point> points);
    QL_ACTION(DrawImagePointRect)
    QL_ACTION(DrawImagePointRectI)
    // A source rectangle of the image into a destination rectangle.
    bool DrawImageRectRect(const PlusImage& image, REAL dstX, REAL dstY, REAL dstWidth, REAL dstHeight, REAL srcX,
                           REAL srcY, REAL srcWidth, REAL srcHeight, Unit unit = UnitPixel,
                           const GpImageAttributes* attributes = nullptr);
    bool DrawImageRectRectI(const PlusImage& image, INT dstX, INT dstY, INT dstWidth, INT dstHeight, INT srcX,
                            INT srcY, INT srcWidth, INT srcHeight, Unit unit = UnitPixel,
                            const GpImageAttributes* attributes = nullptr);
    bool DrawImagePointsRect(const PlusImage& image, std::span<const PointF> points, REAL srcX, REAL srcY,
                             REAL srcWidth, REAL srcHeight, Unit unit = UnitPixel,
                             const GpImageAttributes* attributes = nullptr);
    bool DrawImagePointsRectI(const PlusImage& image, std::span<const Point> points, INT srcX, INT srcY,
                              INT srcWidth, INT srcHeight, Unit unit = UnitPixel,
                              const GpImageAttributes* attributes = nullptr);

    QL_ACTION(EnumerateMetafileDestPoint)
    QL_ACTION(EnumerateMetafileDestPointI)
    QL_ACTION(EnumerateMetafileDestPoints)
    QL_ACTION(EnumerateMetafileDestPointsI)
    QL_ACTION(EnumerateMetafileDestRect)
    QL_ACTION(EnumerateMetafileDestRectI)
    QL_ACTION(EnumerateMetafileSrcRectDestPoint)
    QL_ACTION(EnumerateMetafileSrcRectDestPointI)
    QL_ACTION(EnumerateMetafileSrcRectDestPoints)
    QL_ACTION(EnumerateMetafileSrcRectDestPointsI)
    QL_ACTION(EnumerateMetafileSrcRectDestRect)
    QL_ACTION(EnumerateMetafileSrcRectDestRectI)

    QL_ACTION(SetClipGraphics)
    QL_ACTION(SetClipPath)
    QL_ACTION(SetClipRect)
    QL_ACTION(SetClipRectI)
    QL_ACTION(SetClipRegion)
    QL_ACTION(SetClipHrgn)
    QL_ACTION(ResetClip)
    QL_ACTION(TranslateClip)
    QL_ACTION(TranslateClipI)
    QL_ACTION(GetClip)
    QL_ACTION(GetClipBounds)
    QL_ACTION(GetClipBoundsI)
    QL_ACTION(GetVisibleClipBounds)
    QL_ACTION(GetVisibleClipBoundsI)
    QL_GETTER(IsClipEmpty)
    QL_GETTER(IsVisibleClipEmpty)
    QL_GETTER(IsVisiblePoint)
    QL_GETTER(IsVisiblePointI)
    QL_GETTER(IsVisibleRect)
    QL_GETTER(IsVisibleRectI)
    QL_GETTER(SaveGraphics)
    QL_ACTION(RestoreGraphics)
    QL_GETTER(BeginContainer)
    QL_GETTER(BeginContainerI)
    QL_GETTER(BeginContainer2)
    QL_ACTION(EndContainer)
    bool Comment(const ByteArray& data);

protected:
    void OnNativeChanged(void* native) override {
        graphics_ = static_cast<GpGraphics*>(native);
        OnNativeChanged2(native);
    }
    virtual void OnNativeChanged2(void*) {}
    GpGraphics* Self() const { return graphics_; }

private:
    bool DrawWide(const detail::WideArg& text, const PlusFont& font, const PlusBrush& brush, const RectF& layout,
                  const PlusStringFormat& format);
    bool MeasureWide(const detail::WideArg& text, const PlusFont& font, const RectF& layout,
                     const PlusStringFormat& format, RectF& bounds);
    bool MeasureRangesWide(const detail::WideArg& text, const PlusFont& font, const RectF& layout,
                           const PlusStringFormat& format, INT count, std::vector<PlusRegion>& regions);
    bool DrawDriverWide(const detail::WideArg& text, const PlusFont& font, const PlusBrush& brush,
                        std::span<const PointF> positions, INT flags, const GpMatrix* matrix);

    GpGraphics* graphics_ = nullptr;
};

}  // namespace qinglan::gdiplus
