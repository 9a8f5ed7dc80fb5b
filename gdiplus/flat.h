// The GDI+ flat API, bound by name from gdiplus.dll on first use.
//
// Every flat function the layer calls is named once in QL_GDIPLUS_FLAT below;
// its type comes from the toolchain's own declaration (decltype), so no
// signature is written here. gdiplus.lib is never linked: a missing library
// or export makes the call return NotImplemented instead of crashing.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <tuple>
#include <type_traits>

#include "gdiplus/library.h"

namespace qinglan::gdiplus {

// The flat API's own vocabulary (REAL, ARGB, PointF, GpPen, Status, ...).
using namespace Gdiplus;

// clang-format off
#define QL_GDIPLUS_FLAT(X) \
    /* memory */ X(GdipAlloc) X(GdipFree) \
    /* graphics */ \
    X(GdipDeleteGraphics) X(GdipFlush) X(GdipCreateFromHWND) X(GdipCreateFromHWNDICM) X(GdipCreateFromHDC) \
    X(GdipCreateFromHDC2) X(GdipGetImageGraphicsContext) X(GdipGetDC) X(GdipReleaseDC) X(GdipGetRenderingOrigin) \
    X(GdipSetRenderingOrigin) X(GdipGetCompositingMode) X(GdipSetCompositingMode) X(GdipGetCompositingQuality) \
    X(GdipSetCompositingQuality) X(GdipSetTextRenderingHint) X(GdipGetTextRenderingHint) X(GdipSetTextContrast) \
    X(GdipGetTextContrast) X(GdipSetInterpolationMode) X(GdipGetInterpolationMode) X(GdipSetSmoothingMode) \
    X(GdipGetSmoothingMode) X(GdipSetPixelOffsetMode) X(GdipGetPixelOffsetMode) X(GdipSetWorldTransform) \
    X(GdipGetWorldTransform) X(GdipResetWorldTransform) X(GdipMultiplyWorldTransform) X(GdipTranslateWorldTransform) \
    X(GdipScaleWorldTransform) X(GdipRotateWorldTransform) X(GdipSetPageUnit) X(GdipGetPageUnit) X(GdipSetPageScale) \
    X(GdipGetPageScale) X(GdipGetDpiX) X(GdipGetDpiY) X(GdipTransformPoints) X(GdipTransformPointsI) \
    X(GdipGetNearestColor) X(GdipDrawLine) X(GdipDrawLineI) X(GdipDrawLines) X(GdipDrawLinesI) X(GdipDrawArc) \
    X(GdipDrawArcI) X(GdipDrawBezier) X(GdipDrawBezierI) X(GdipDrawBeziers) X(GdipDrawBeziersI) X(GdipDrawRectangle) \
    X(GdipDrawRectangleI) X(GdipDrawRectangles) X(GdipDrawRectanglesI) X(GdipDrawEllipse) X(GdipDrawEllipseI) \
    X(GdipDrawPie) X(GdipDrawPieI) X(GdipDrawPolygon) X(GdipDrawPolygonI) X(GdipDrawPath) X(GdipDrawCurve) \
    X(GdipDrawCurveI) X(GdipDrawCurve2) X(GdipDrawCurve2I) X(GdipDrawCurve3) X(GdipDrawCurve3I) X(GdipDrawClosedCurve) \
    X(GdipDrawClosedCurveI) X(GdipDrawClosedCurve2) X(GdipDrawClosedCurve2I) X(GdipGraphicsClear) X(GdipFillRectangle) \
    X(GdipFillRectangleI) X(GdipFillRectangles) X(GdipFillRectanglesI) X(GdipFillPolygon) X(GdipFillPolygonI) \
    X(GdipFillEllipse) X(GdipFillEllipseI) X(GdipFillPie) X(GdipFillPieI) X(GdipFillPath) X(GdipFillClosedCurve) \
    X(GdipFillClosedCurve2) X(GdipFillClosedCurveI) X(GdipFillClosedCurve2I) X(GdipFillRegion) X(GdipDrawString) \
    X(GdipMeasureString) X(GdipMeasureCharacterRanges) X(GdipDrawDriverString) X(GdipDrawImage) X(GdipDrawImageI) \
    X(GdipDrawCachedBitmap) X(GdipDrawImageRectRect) X(GdipDrawImageRectRectI) X(GdipDrawImagePoints) \
    X(GdipDrawImagePointsI) X(GdipDrawImagePointRect) X(GdipDrawImagePointRectI) X(GdipDrawImagePointsRect) \
    X(GdipDrawImagePointsRectI) X(GdipEnumerateMetafileDestPoint) X(GdipEnumerateMetafileDestPointI) \
    X(GdipEnumerateMetafileDestPoints) X(GdipEnumerateMetafileDestPointsI) X(GdipEnumerateMetafileDestRect) \
    X(GdipEnumerateMetafileDestRectI) X(GdipEnumerateMetafileSrcRectDestPoint) X(GdipEnumerateMetafileSrcRectDestPointI) \
    X(GdipEnumerateMetafileSrcRectDestPoints) X(GdipEnumerateMetafileSrcRectDestPointsI) \
    X(GdipEnumerateMetafileSrcRectDestRect) X(GdipEnumerateMetafileSrcRectDestRectI) X(GdipSetClipGraphics) \
    X(GdipSetClipPath) X(GdipSetClipRect) X(GdipSetClipRectI) X(GdipSetClipRegion) X(GdipSetClipHrgn) X(GdipResetClip) \
    X(GdipTranslateClip) X(GdipTranslateClipI) X(GdipGetClip) X(GdipGetClipBounds) X(GdipGetClipBoundsI) \
    X(GdipGetVisibleClipBounds) X(GdipGetVisibleClipBoundsI) X(GdipIsClipEmpty) X(GdipIsVisibleClipEmpty) \
    X(GdipIsVisiblePoint) X(GdipIsVisiblePointI) X(GdipIsVisibleRect) X(GdipIsVisibleRectI) X(GdipSaveGraphics) \
    X(GdipRestoreGraphics) X(GdipBeginContainer) X(GdipBeginContainerI) X(GdipBeginContainer2) X(GdipEndContainer) \
    X(GdipComment) \
    /* path */ \
    X(GdipDeletePath) X(GdipCreatePath) X(GdipCreatePath2) X(GdipCreatePath2I) X(GdipClonePath) X(GdipResetPath) \
    X(GdipGetPathFillMode) X(GdipSetPathFillMode) X(GdipGetPathData) X(GdipGetPathTypes) X(GdipGetPathPoints) \
    X(GdipGetPathPointsI) X(GdipStartPathFigure) X(GdipClosePathFigure) X(GdipClosePathFigures) X(GdipSetPathMarker) \
    X(GdipClearPathMarkers) X(GdipReversePath) X(GdipGetPathLastPoint) X(GdipAddPathLine) X(GdipAddPathLineI) \
    X(GdipAddPathLine2) X(GdipAddPathLine2I) X(GdipAddPathArc) X(GdipAddPathArcI) X(GdipAddPathBezier) \
    X(GdipAddPathBezierI) X(GdipAddPathBeziers) X(GdipAddPathBeziersI) X(GdipAddPathCurve) X(GdipAddPathCurve2) \
    X(GdipAddPathCurve3) X(GdipAddPathCurveI) X(GdipAddPathCurve2I) X(GdipAddPathCurve3I) X(GdipAddPathClosedCurve) \
    X(GdipAddPathClosedCurve2) X(GdipAddPathClosedCurveI) X(GdipAddPathClosedCurve2I) X(GdipAddPathRectangle) \
    X(GdipAddPathRectangles) X(GdipAddPathRectangleI) X(GdipAddPathRectanglesI) X(GdipAddPathEllipse) \
    X(GdipAddPathEllipseI) X(GdipAddPathPie) X(GdipAddPathPieI) X(GdipAddPathPolygon) X(GdipAddPathPolygonI) \
    X(GdipAddPathPath) X(GdipAddPathString) X(GdipAddPathStringI) X(GdipTransformPath) X(GdipGetPathWorldBounds) \
    X(GdipGetPathWorldBoundsI) X(GdipFlattenPath) X(GdipWidenPath) X(GdipWindingModeOutline) X(GdipWarpPath) \
    X(GdipGetPointCount) X(GdipIsVisiblePathPoint) X(GdipIsVisiblePathPointI) X(GdipIsOutlineVisiblePathPoint) \
    X(GdipIsOutlineVisiblePathPointI) \
    /* brushes */ \
    X(GdipDeleteBrush) X(GdipCloneBrush) X(GdipGetBrushType) X(GdipCreateSolidFill) X(GdipSetSolidFillColor) \
    X(GdipGetSolidFillColor) X(GdipCreateLineBrush) X(GdipCreateLineBrushI) X(GdipCreateLineBrushFromRect) \
    X(GdipCreateLineBrushFromRectI) X(GdipCreateLineBrushFromRectWithAngle) X(GdipCreateLineBrushFromRectWithAngleI) \
    X(GdipGetLineColors) X(GdipSetLineColors) X(GdipGetLineRect) X(GdipGetLineRectI) X(GdipSetLineGammaCorrection) \
    X(GdipGetLineGammaCorrection) X(GdipSetLineBlend) X(GdipGetLineBlendCount) X(GdipGetLineBlend) \
    X(GdipSetLinePresetBlend) X(GdipGetLinePresetBlendCount) X(GdipGetLinePresetBlend) X(GdipSetLineSigmaBlend) \
    X(GdipSetLineLinearBlend) X(GdipGetLineWrapMode) X(GdipSetLineWrapMode) X(GdipGetLineTransform) \
    X(GdipSetLineTransform) X(GdipResetLineTransform) X(GdipMultiplyLineTransform) X(GdipTranslateLineTransform) \
    X(GdipScaleLineTransform) X(GdipRotateLineTransform) X(GdipCreatePathGradient) X(GdipCreatePathGradientI) \
    X(GdipCreatePathGradientFromPath) X(GdipGetPathGradientCenterColor) X(GdipSetPathGradientCenterColor) \
    X(GdipGetPathGradientPointCount) X(GdipGetPathGradientSurroundColorCount) \
    X(GdipGetPathGradientSurroundColorsWithCount) X(GdipSetPathGradientSurroundColorsWithCount) \
    X(GdipGetPathGradientPath) X(GdipSetPathGradientPath) X(GdipGetPathGradientCenterPoint) \
    X(GdipGetPathGradientCenterPointI) X(GdipSetPathGradientCenterPoint) X(GdipGetPathGradientRect) \
    X(GdipGetPathGradientRectI) X(GdipSetPathGradientGammaCorrection) X(GdipGetPathGradientGammaCorrection) \
    X(GdipGetPathGradientBlendCount) X(GdipSetPathGradientBlend) X(GdipGetPathGradientBlend) \
    X(GdipGetPathGradientPresetBlendCount) X(GdipSetPathGradientPresetBlend) X(GdipGetPathGradientPresetBlend) \
    X(GdipSetPathGradientSigmaBlend) X(GdipSetPathGradientLinearBlend) X(GdipGetPathGradientFocusScales) \
    X(GdipSetPathGradientFocusScales) X(GdipGetPathGradientWrapMode) X(GdipSetPathGradientWrapMode) \
    X(GdipGetPathGradientTransform) X(GdipSetPathGradientTransform) X(GdipResetPathGradientTransform) \
    X(GdipMultiplyPathGradientTransform) X(GdipTranslatePathGradientTransform) X(GdipScalePathGradientTransform) \
    X(GdipRotatePathGradientTransform) \
    /* pen */ \
    X(GdipDeletePen) X(GdipCreatePen1) X(GdipCreatePen2) X(GdipClonePen) X(GdipGetPenWidth) X(GdipSetPenWidth) \
    X(GdipGetPenUnit) X(GdipSetPenUnit) X(GdipSetPenLineCap197819) X(GdipSetPenStartCap) X(GdipSetPenEndCap) \
    X(GdipSetPenDashCap197819) X(GdipGetPenStartCap) X(GdipGetPenEndCap) X(GdipGetPenDashCap197819) \
    X(GdipSetPenLineJoin) X(GdipGetPenLineJoin) X(GdipSetPenCustomStartCap) X(GdipGetPenCustomStartCap) \
    X(GdipSetPenCustomEndCap) X(GdipGetPenCustomEndCap) X(GdipSetPenMiterLimit) X(GdipGetPenMiterLimit) \
    X(GdipSetPenMode) X(GdipGetPenMode) X(GdipSetPenTransform) X(GdipGetPenTransform) X(GdipResetPenTransform) \
    X(GdipMultiplyPenTransform) X(GdipRotatePenTransform) X(GdipScalePenTransform) X(GdipTranslatePenTransform) \
    X(GdipGetPenColor) X(GdipSetPenColor) X(GdipSetPenBrushFill) X(GdipGetPenBrushFill) X(GdipGetPenFillType) \
    X(GdipSetPenDashStyle) X(GdipGetPenDashStyle) X(GdipGetPenDashOffset) X(GdipSetPenDashOffset) \
    X(GdipGetPenDashCount) X(GdipGetPenDashArray) X(GdipSetPenDashArray) X(GdipSetPenCompoundArray) \
    X(GdipGetPenCompoundCount) X(GdipGetPenCompoundArray) \
    /* fonts */ \
    X(GdipDeleteFont) X(GdipCreateFont) X(GdipCreateFontFromDC) X(GdipCreateFontFromLogfontA) \
    X(GdipCreateFontFromLogfontW) X(GdipCloneFont) X(GdipGetLogFontA) X(GdipGetLogFontW) X(GdipGetFamily) \
    X(GdipGetFontStyle) X(GdipGetFontSize) X(GdipGetFontUnit) X(GdipGetFontHeight) X(GdipGetFontHeightGivenDPI) \
    X(GdipDeleteFontFamily) X(GdipCreateFontFamilyFromName) X(GdipGetGenericFontFamilySansSerif) \
    X(GdipGetGenericFontFamilySerif) X(GdipGetGenericFontFamilyMonospace) X(GdipCloneFontFamily) \
    X(GdipGetFamilyName) X(GdipIsStyleAvailable) X(GdipGetEmHeight) X(GdipGetCellAscent) X(GdipGetCellDescent) \
    X(GdipGetLineSpacing) X(GdipGetFontCollectionFamilyCount) X(GdipGetFontCollectionFamilyList) \
    /* string format */ \
    X(GdipDeleteStringFormat) X(GdipCreateStringFormat) X(GdipStringFormatGetGenericDefault) \
    X(GdipStringFormatGetGenericTypographic) X(GdipCloneStringFormat) X(GdipSetStringFormatFlags) \
    X(GdipGetStringFormatFlags) X(GdipSetStringFormatAlign) X(GdipGetStringFormatAlign) \
    X(GdipSetStringFormatLineAlign) X(GdipGetStringFormatLineAlign) X(GdipSetStringFormatTrimming) \
    X(GdipGetStringFormatTrimming) X(GdipSetStringFormatHotkeyPrefix) X(GdipGetStringFormatHotkeyPrefix) \
    X(GdipSetStringFormatTabStops) X(GdipGetStringFormatTabStopCount) X(GdipGetStringFormatTabStops) \
    X(GdipSetStringFormatDigitSubstitution) X(GdipGetStringFormatDigitSubstitution) \
    X(GdipSetStringFormatMeasurableCharacterRanges) X(GdipGetStringFormatMeasurableCharacterRangeCount) \
    /* region */ \
    X(GdipDeleteRegion) X(GdipCreateRegion) X(GdipCreateRegionRect) X(GdipCreateRegionRectI) X(GdipCreateRegionPath) \
    X(GdipCreateRegionHrgn) X(GdipCreateRegionRgnData) X(GdipCloneRegion) X(GdipSetInfinite) X(GdipSetEmpty) \
    X(GdipCombineRegionRect) X(GdipCombineRegionRectI) X(GdipCombineRegionRegion) X(GdipCombineRegionPath) \
    X(GdipTranslateRegion) X(GdipTranslateRegionI) X(GdipTransformRegion) X(GdipGetRegionBounds) \
    X(GdipGetRegionBoundsI) X(GdipGetRegionDataSize) X(GdipGetRegionData) X(GdipGetRegionHRgn) X(GdipIsEmptyRegion) \
    X(GdipIsInfiniteRegion) X(GdipIsEqualRegion) X(GdipIsVisibleRegionPoint) X(GdipIsVisibleRegionPointI) \
    X(GdipIsVisibleRegionRect) X(GdipIsVisibleRegionRectI) X(GdipGetRegionScansCount) X(GdipGetRegionScans) \
    X(GdipGetRegionScansI) \
    /* matrix (temporaries of the composite operations) */ \
    X(GdipCreateMatrix) X(GdipDeleteMatrix) X(GdipTranslateMatrix) X(GdipRotateMatrix) \
    /* image */ \
    X(GdipDisposeImage) X(GdipLoadImageFromFile) X(GdipLoadImageFromFileICM) X(GdipLoadImageFromStream) \
    X(GdipLoadImageFromStreamICM) X(GdipCloneImage) X(GdipGetEncoderParameterListSize) \
    X(GdipGetEncoderParameterList) X(GdipSaveImageToFile) X(GdipSaveImageToStream) X(GdipSaveAdd) \
    X(GdipSaveAddImage) X(GdipGetImageType) X(GdipGetImageDimension) X(GdipGetImageBounds) X(GdipGetImageWidth) \
    X(GdipGetImageHeight) X(GdipGetImageHorizontalResolution) X(GdipGetImageVerticalResolution) \
    X(GdipGetImageFlags) X(GdipGetImageRawFormat) X(GdipGetImagePixelFormat) X(GdipGetImagePaletteSize) \
    X(GdipGetImagePalette) X(GdipSetImagePalette) X(GdipGetImageThumbnail) X(GdipImageGetFrameCount) \
    X(GdipImageGetFrameDimensionsCount) X(GdipImageGetFrameDimensionsList) X(GdipImageSelectActiveFrame) \
    X(GdipImageRotateFlip) X(GdipGetPropertyItemSize) X(GdipGetPropertyItem) X(GdipSetPropertyItem) \
    X(GdipRemovePropertyItem) X(GdipGetPropertyCount) X(GdipGetPropertyIdList) X(GdipGetImageEncodersSize) \
    X(GdipGetImageEncoders) \
    /* bitmap */ \
    X(GdipCreateBitmapFromFile) X(GdipCreateBitmapFromFileICM) X(GdipCreateBitmapFromStream) \
    X(GdipCreateBitmapFromStreamICM) X(GdipCreateBitmapFromScan0) X(GdipCreateBitmapFromGraphics) \
    X(GdipCreateBitmapFromGdiDib) X(GdipCreateBitmapFromHBITMAP) X(GdipCreateBitmapFromHICON) \
    X(GdipCreateBitmapFromResource) X(GdipCreateHBITMAPFromBitmap) X(GdipCreateHICONFromBitmap) \
    X(GdipCloneBitmapArea) X(GdipCloneBitmapAreaI) X(GdipBitmapLockBits) X(GdipBitmapUnlockBits) \
    X(GdipBitmapGetPixel) X(GdipBitmapSetPixel) X(GdipBitmapSetResolution) X(GdipBitmapApplyEffect)
// clang-format on

namespace flat {

// Calls made through the table since start; tests use it to show that an
// operation did not reach GDI+.
inline long callCount = 0;

template <class F>
struct Signature;
template <class R, class... P>
struct Signature<R(WINGDIPAPI*)(P...)> {
    using Result = R;
    using Params = std::tuple<P...>;
};

// One flat function: its export name and the address, resolved on first call.
template <class F>
class Function {
public:
    using Result = typename Signature<F>::Result;
    using Params = typename Signature<F>::Params;

    explicit constexpr Function(const char* name) : name_(name) {}

    template <class... A>
    Result operator()(A&&... a) const {
        ++callCount;
        if (!resolved_) {
            address_ = Bind<std::remove_pointer_t<F>>(name_);
            resolved_ = true;
        }
        if (address_) return address_(std::forward<A>(a)...);
        if constexpr (std::is_same_v<Result, GpStatus>) return NotImplemented;
        else if constexpr (!std::is_void_v<Result>) return Result{};
    }

    const char* Name() const { return name_; }

private:
    const char* name_;
    mutable F address_ = nullptr;
    mutable bool resolved_ = false;
};

#define QL_GDIPLUS_BIND(name) inline const Function<decltype(&DllExports::name)> name{#name};
QL_GDIPLUS_FLAT(QL_GDIPLUS_BIND)
#undef QL_GDIPLUS_BIND

}  // namespace flat
}  // namespace qinglan::gdiplus
