#include "gdiplus/brush.h"

#include <algorithm>

#include "gdiplus/plus.h"

namespace qinglan::gdiplus {

using detail::Count;

namespace {
// Two parallel arrays given to GDI+ with one count: the shorter one's, so
// neither is read past its end.
template <class A, class B>
INT Shorter(std::span<A> a, std::span<B> b) {
    return std::min(Count(a), Count(b));
}
}  // namespace

bool PlusLinearBrush::SetLineBlend(std::span<const REAL> factors, std::span<const REAL> positions) {
    return Act(flat::GdipSetLineBlend, line_, factors.data(), positions.data(), Shorter(factors, positions));
}
INT PlusLinearBrush::GetLineBlend(std::vector<REAL>& factors, std::vector<REAL>& positions) const {
    return CountedArrays(flat::GdipGetLineBlendCount, flat::GdipGetLineBlend, line_, factors, positions);
}
bool PlusLinearBrush::SetLinePresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions) {
    return Act(flat::GdipSetLinePresetBlend, line_, colours.data(), positions.data(), Shorter(colours, positions));
}
INT PlusLinearBrush::GetLinePresetBlend(std::vector<ARGB>& colours, std::vector<REAL>& positions) const {
    return CountedArrays(flat::GdipGetLinePresetBlendCount, flat::GdipGetLinePresetBlend, line_, colours, positions);
}
bool PlusLinearBrush::ScaleAt(REAL sx, REAL sy, const PointF& centre, MatrixOrder order) {
    return TurnAbout(flat::GdipTranslateLineTransform, flat::GdipScaleLineTransform, line_, centre, order, sx, sy);
}
bool PlusLinearBrush::RotateAt(REAL angle, const PointF& centre, MatrixOrder order) {
    return TurnAbout(flat::GdipTranslateLineTransform, flat::GdipRotateLineTransform, line_, centre, order, angle);
}

bool PlusPathBrush::CreatePathGradient(std::span<const PointF> points, WrapMode wrap) {
    return Into(*this, flat::GdipCreatePathGradient, points.data(), Count(points), wrap);
}
bool PlusPathBrush::CreatePathGradientI(std::span<const Point> points, WrapMode wrap) {
    return Into(*this, flat::GdipCreatePathGradientI, points.data(), Count(points), wrap);
}
bool PlusPathBrush::GetPathGradientSurroundColorsWithCount(std::vector<ARGB>& colours) const {
    INT count = GetPathGradientSurroundColorCount();
    colours.assign(std::max(count, 0), 0);
    if (count < 1) return false;
    bool ok = Act(flat::GdipGetPathGradientSurroundColorsWithCount, path_, colours.data(), &count);
    colours.resize(ok ? std::clamp<INT>(count, 0, Count(colours)) : 0);
    return ok;
}
bool PlusPathBrush::SetPathGradientSurroundColorsWithCount(std::span<const ARGB> colours, INT* count) {
    INT n = count ? std::clamp<INT>(*count, 0, Count(colours)) : Count(colours);
    bool ok = Act(flat::GdipSetPathGradientSurroundColorsWithCount, path_, colours.data(), &n);
    if (count) *count = n;
    return ok;
}
bool PlusPathBrush::GetPathGradientPath(PlusPath& path) const {
    bool made = path.IsEmpty() && path.CreatePath();
    if (Act(flat::GdipGetPathGradientPath, path_, path)) return true;
    Status status = LastStatus();
    if (made) path.DeletePath();
    return Keep(status);
}
bool PlusPathBrush::SetPathGradientBlend(std::span<const REAL> factors, std::span<const REAL> positions) {
    return Act(flat::GdipSetPathGradientBlend, path_, factors.data(), positions.data(), Shorter(factors, positions));
}
INT PlusPathBrush::GetPathGradientBlend(std::vector<REAL>& factors, std::vector<REAL>& positions) const {
    return CountedArrays(flat::GdipGetPathGradientBlendCount, flat::GdipGetPathGradientBlend, path_, factors,
                         positions);
}
bool PlusPathBrush::SetPathGradientPresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions) {
    return Act(flat::GdipSetPathGradientPresetBlend, path_, colours.data(), positions.data(),
               Shorter(colours, positions));
}
INT PlusPathBrush::GetPathGradientPresetBlend(std::vector<ARGB>& colours, std::vector<REAL>& positions) const {
    return CountedArrays(flat::GdipGetPathGradientPresetBlendCount, flat::GdipGetPathGradientPresetBlend, path_,
                         colours, positions);
}
bool PlusPathBrush::ScaleAt(REAL sx, REAL sy, const PointF& centre, MatrixOrder order) {
    return TurnAbout(flat::GdipTranslatePathGradientTransform, flat::GdipScalePathGradientTransform, path_, centre,
                     order, sx, sy);
}
bool PlusPathBrush::RotateAt(REAL angle, const PointF& centre, MatrixOrder order) {
    return TurnAbout(flat::GdipTranslatePathGradientTransform, flat::GdipRotatePathGradientTransform, path_, centre,
                     order, angle);
}

}  // namespace qinglan::gdiplus
