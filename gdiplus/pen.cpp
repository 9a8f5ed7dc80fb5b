#include "gdiplus/pen.h"

namespace qinglan::gdiplus {

bool PlusPen::RotateAt(REAL angle, const PointF& centre, MatrixOrder order) {
    return TurnAbout(flat::GdipTranslatePenTransform, flat::GdipRotatePenTransform, pen_, centre, order, angle);
}
bool PlusPen::ScaleAt(REAL sx, REAL sy, const PointF& centre, MatrixOrder order) {
    return TurnAbout(flat::GdipTranslatePenTransform, flat::GdipScalePenTransform, pen_, centre, order, sx, sy);
}

}  // namespace qinglan::gdiplus
