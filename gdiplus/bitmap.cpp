#include "gdiplus/bitmap.h"

#include <cmath>
#include <memory>

#include "gdiplus/plus.h"

namespace qinglan::gdiplus {

bool PlusBitmap::LoadFromFile(const ByteArray& name, bool useICM) {
    detail::WideArg wide(name);
    return Into(*this, useICM ? flat::GdipCreateBitmapFromFileICM : flat::GdipCreateBitmapFromFile, wide.c_str());
}
bool PlusBitmap::LoadFromBytes(const ByteArray& bytes, bool useICM) {
    IStream* stream = StreamOver(bytes);
    return Into(*this, useICM ? flat::GdipCreateBitmapFromStreamICM : flat::GdipCreateBitmapFromStream, stream);
}
bool PlusBitmap::CreateFromResource(HINSTANCE instance, const Text& name) {
    detail::WideArg wide(name);
    return Into(*this, flat::GdipCreateBitmapFromResource, instance, wide.c_str());
}

HBITMAP PlusBitmap::GetHBITMAP(ARGB background) const {
    HBITMAP bitmap = nullptr;
    Keep(flat::GdipCreateHBITMAPFromBitmap(bitmap_, &bitmap, background));
    return bitmap;
}

bool PlusBitmap::CloneArea(const RectF& area, PixelFormat format, PlusBitmap& target) const {
    return Into(target, flat::GdipCloneBitmapArea, area.X, area.Y, area.Width, area.Height, format, bitmap_);
}
bool PlusBitmap::CloneAreaI(const Rect& area, PixelFormat format, PlusBitmap& target) const {
    return Into(target, flat::GdipCloneBitmapAreaI, area.X, area.Y, area.Width, area.Height, format, bitmap_);
}

void PlusBitmap::RotatedSize(REAL width, REAL height, INT angle, REAL& rotatedWidth, REAL& rotatedHeight) {
    double a = angle * 3.1415926535 / 180, c = std::cos(a), s = std::sin(a);
    double hw = (width - 1) / 2.0, hh = (height - 1) / 2.0;
    const double corners[4][2] = {{-hw, hh}, {hw, hh}, {-hw, -hh}, {hw, -hh}};
    double x[4], y[4];
    for (int i = 0; i < 4; ++i) {
        x[i] = c * corners[i][0] + s * corners[i][1];
        y[i] = -s * corners[i][0] + c * corners[i][1];
    }
    rotatedWidth = static_cast<REAL>(std::max(std::fabs(x[3] - x[0]), std::fabs(x[2] - x[1])));
    rotatedHeight = static_cast<REAL>(std::max(std::fabs(y[3] - y[0]), std::fabs(y[2] - y[1])));
}

namespace {
struct MatrixDelete {
    void operator()(GpMatrix* matrix) const { flat::GdipDeleteMatrix(matrix); }
};
}  // namespace

bool PlusBitmap::RotateInto(REAL angle, PlusBitmap& target, std::optional<ARGB> background,
                            std::optional<InterpolationMode> interpolation, std::optional<SizeF> size) const {
    REAL width = static_cast<REAL>(GetImageWidth()), height = static_cast<REAL>(GetImageHeight());
    if (LastStatus() != Ok) return false;
    SizeF extent;
    if (size) extent = *size;
    else RotatedSize(width, height, static_cast<INT>(angle), extent.Width, extent.Height);
    INT tw = static_cast<INT>(extent.Width), th = static_cast<INT>(extent.Height);

    PlusBitmap rotated;
    if (!rotated.CreateFromScan0(tw, th, PixelFormat32bppARGB)) return false;
    rotated.SetResolution(GetImageHorizontalResolution(), GetImageVerticalResolution());
    PlusGraphics graphics;
    if (!graphics.GetImageGraphicsContext(rotated)) return false;
    if (background) {
        PlusSolidBrush fill;
        if (!fill.CreateSolidFill(*background) || !graphics.FillRectangle(fill, 0.0f, 0.0f, REAL(tw), REAL(th)))
            return false;
    }
    if (interpolation && !graphics.SetInterpolationMode(*interpolation)) return false;

    GpMatrix* native = nullptr;
    if (!Keep(flat::GdipCreateMatrix(&native))) return false;
    std::unique_ptr<GpMatrix, MatrixDelete> matrix(native);
    REAL cx = tw / 2.0f, cy = th / 2.0f;
    Keep(flat::GdipTranslateMatrix(native, cx, cy, MatrixOrderPrepend));
    Keep(flat::GdipRotateMatrix(native, angle, MatrixOrderPrepend));
    Keep(flat::GdipTranslateMatrix(native, -cx, -cy, MatrixOrderPrepend));
    if (!Keep(flat::GdipTranslateMatrix(native, (tw - width) / 2, (th - height) / 2, MatrixOrderPrepend)) ||
        !graphics.SetWorldTransform(native))
        return false;
    bool drawn = graphics.DrawImage(*this, 0.0f, 0.0f);
    Status status = LastStatus();
    graphics.ResetWorldTransform();
    graphics.DeleteGraphics();
    if (drawn) target = std::move(rotated);
    return Keep(status);
}

}  // namespace qinglan::gdiplus
