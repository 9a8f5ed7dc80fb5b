// The brush level and its three kinds: PlusSolidBrush, PlusLinearBrush
// (list L) and PlusPathBrush (list B).
#pragma once

#include <vector>

#include "gdiplus/object.h"

namespace qinglan::gdiplus {

class PlusPath;

class PlusBrush : public PlusObject {
public:
    using NativeType = GpBrush;

    ~PlusBrush() override { DeleteBrush(); }
    void Destroy() override { DeleteBrush(); }

    bool DeleteBrush() { return Delete(flat::GdipDeleteBrush, brush_); }
    // A new brush of the same kind, owned by `target` alone.
    QL_INTO(CloneBrush, PlusBrush)
    QL_GETTER(GetBrushType)

protected:
    PlusBrush() = default;
    void OnNativeChanged(void* native) override {
        brush_ = static_cast<GpBrush*>(native);
        OnNativeChanged2(native);
    }
    virtual void OnNativeChanged2(void*) {}
    GpBrush* Self() const { return brush_; }

private:
    GpBrush* brush_ = nullptr;
};

class PlusSolidBrush : public PlusBrush {
public:
    using NativeType = GpSolidFill;

    PlusSolidBrush() = default;
    QL_PLUS_MOVABLE(PlusSolidBrush)

    QL_CREATE(CreateSolidFill)
    QL_ACTION(SetSolidFillColor)
    QL_GETTER(GetSolidFillColor)

protected:
    void OnNativeChanged2(void* native) override { solid_ = static_cast<GpSolidFill*>(native); }
    GpSolidFill* Self() const { return solid_; }

private:
    GpSolidFill* solid_ = nullptr;
};

class PlusLinearBrush : public PlusBrush {
public:
    using NativeType = GpLineGradient;

    PlusLinearBrush() = default;
    QL_PLUS_MOVABLE(PlusLinearBrush)

    bool CreateLineBrush(const PointF& from, const PointF& to, ARGB colour1, ARGB colour2,
                         WrapMode wrap = WrapModeTile) {
        return Into(*this, flat::GdipCreateLineBrush, from, to, colour1, colour2, wrap);
    }
    bool CreateLineBrushI(const Point& from, const Point& to, ARGB colour1, ARGB colour2,
                          WrapMode wrap = WrapModeTile) {
        return Into(*this, flat::GdipCreateLineBrushI, from, to, colour1, colour2, wrap);
    }
    bool CreateLineBrushFromRect(const RectF& rect, ARGB colour1, ARGB colour2, LinearGradientMode mode,
                                 WrapMode wrap = WrapModeTile) {
        return Into(*this, flat::GdipCreateLineBrushFromRect, rect, colour1, colour2, mode, wrap);
    }
    bool CreateLineBrushFromRectI(const Rect& rect, ARGB colour1, ARGB colour2, LinearGradientMode mode,
                                  WrapMode wrap = WrapModeTile) {
        return Into(*this, flat::GdipCreateLineBrushFromRectI, rect, colour1, colour2, mode, wrap);
    }
    bool CreateLineBrushFromRectWithAngle(const RectF& rect, ARGB colour1, ARGB colour2, REAL angle,
                                          BOOL isAngleScalable, WrapMode wrap = WrapModeTile) {
        return Into(*this, flat::GdipCreateLineBrushFromRectWithAngle, rect, colour1, colour2, angle,
                    isAngleScalable, wrap);
    }
    bool CreateLineBrushFromRectWithAngleI(const Rect& rect, ARGB colour1, ARGB colour2, REAL angle,
                                           BOOL isAngleScalable, WrapMode wrap = WrapModeTile) {
        return Into(*this, flat::GdipCreateLineBrushFromRectWithAngleI, rect, colour1, colour2, angle,
                    isAngleScalable, wrap);
    }
    QL_ACTION(GetLineColors)
    QL_ACTION(SetLineColors)
    QL_ACTION(GetLineRect)
    QL_ACTION(GetLineRectI)
    QL_ACTION(SetLineGammaCorrection)
    QL_GETTER(GetLineGammaCorrection)
    // Blend factors at positions; the shorter array sets the count.
    bool SetLineBlend(std::span<const REAL> factors, std::span<const REAL> positions);
    QL_GETTER(GetLineBlendCount)
    INT GetLineBlend(std::vector<REAL>& factors, std::vector<REAL>& positions) const;
    // Colours at positions, count = number of colours (positions must match).
    bool SetLinePresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions);
    QL_GETTER(GetLinePresetBlendCount)
    INT GetLinePresetBlend(std::vector<ARGB>& colours, std::vector<REAL>& positions) const;
    QL_ACTION(SetLineSigmaBlend)
    QL_ACTION(SetLineLinearBlend)
    QL_GETTER(GetLineWrapMode)
    QL_ACTION(SetLineWrapMode)
    QL_ACTION(GetLineTransform)
    QL_ACTION(SetLineTransform)
    QL_ACTION(ResetLineTransform)
    QL_ACTION(MultiplyLineTransform)
    QL_ACTION(TranslateLineTransform)
    QL_ACTION(ScaleLineTransform)
    bool ScaleAt(REAL sx, REAL sy, const PointF& centre, MatrixOrder order);
    QL_ACTION(RotateLineTransform)
    bool RotateAt(REAL angle, const PointF& centre, MatrixOrder order);

protected:
    void OnNativeChanged2(void* native) override { line_ = static_cast<GpLineGradient*>(native); }
    GpLineGradient* Self() const { return line_; }

private:
    GpLineGradient* line_ = nullptr;
};

class PlusPathBrush : public PlusBrush {
public:
    using NativeType = GpPathGradient;

    PlusPathBrush() = default;
    QL_PLUS_MOVABLE(PlusPathBrush)

    bool CreatePathGradient(std::span<const PointF> points, WrapMode wrap = WrapModeClamp);
    bool CreatePathGradientI(std::span<const Point> points, WrapMode wrap = WrapModeClamp);
    QL_CREATE(CreatePathGradientFromPath)
    QL_GETTER(GetPathGradientCenterColor)
    QL_ACTION(SetPathGradientCenterColor)
    QL_GETTER(GetPathGradientPointCount)
    QL_GETTER(GetPathGradientSurroundColorCount)
    // The surround colours, one per boundary point.
    bool GetPathGradientSurroundColorsWithCount(std::vector<ARGB>& colours) const;
    // Sets `count` (default all, at most the array's length) colours; `count`
    // receives the number GDI+ took.
    bool SetPathGradientSurroundColorsWithCount(std::span<const ARGB> colours, INT* count = nullptr);
    // Copies the boundary path into `path` (made first when it is empty).
    bool GetPathGradientPath(PlusPath& path) const;
    QL_ACTION(SetPathGradientPath)
    QL_ACTION(GetPathGradientCenterPoint)
    QL_ACTION(GetPathGradientCenterPointI)
    bool SetPathGradientCenterPoint(const PointF& centre) { return Act(flat::GdipSetPathGradientCenterPoint, path_, &centre); }
    bool SetPathGradientCenterPoint(REAL x, REAL y) { return SetPathGradientCenterPoint(PointF(x, y)); }
    QL_ACTION(GetPathGradientRect)
    QL_ACTION(GetPathGradientRectI)
    QL_ACTION(SetPathGradientGammaCorrection)
    QL_GETTER(GetPathGradientGammaCorrection)
    QL_GETTER(GetPathGradientBlendCount)
    bool SetPathGradientBlend(std::span<const REAL> factors, std::span<const REAL> positions);
    INT GetPathGradientBlend(std::vector<REAL>& factors, std::vector<REAL>& positions) const;
    QL_GETTER(GetPathGradientPresetBlendCount)
    bool SetPathGradientPresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions);
    INT GetPathGradientPresetBlend(std::vector<ARGB>& colours, std::vector<REAL>& positions) const;
    QL_ACTION(SetPathGradientSigmaBlend)
    QL_ACTION(SetPathGradientLinearBlend)
    QL_ACTION(GetPathGradientFocusScales)
    QL_ACTION(SetPathGradientFocusScales)
    QL_GETTER(GetPathGradientWrapMode)
    QL_ACTION(SetPathGradientWrapMode)
    QL_ACTION(GetPathGradientTransform)
    QL_ACTION(SetPathGradientTransform)
    QL_ACTION(ResetPathGradientTransform)
    QL_ACTION(MultiplyPathGradientTransform)
    QL_ACTION(TranslatePathGradientTransform)
    QL_ACTION(ScalePathGradientTransform)
    bool ScaleAt(REAL sx, REAL sy, const PointF& centre, MatrixOrder order);
    QL_ACTION(RotatePathGradientTransform)
    bool RotateAt(REAL angle, const PointF& centre, MatrixOrder order);

protected:
    void OnNativeChanged2(void* native) override { path_ = static_cast<GpPathGradient*>(native); }
    GpPathGradient* Self() const { return path_; }

private:
    GpPathGradient* path_ = nullptr;
};

}  // namespace qinglan::gdiplus
