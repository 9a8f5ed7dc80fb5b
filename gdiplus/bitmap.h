// PlusBitmap: a GDI+ bitmap, the image kind the skin draws into and samples.
#pragma once

#include <optional>

#include "gdiplus/image.h"

namespace qinglan::gdiplus {

class PlusGraphics;

class PlusBitmap : public PlusImage {
public:
    using NativeType = GpBitmap;

    PlusBitmap() = default;
    PlusBitmap(PlusBitmap&& other) noexcept { MoveFrom(other); }
    PlusBitmap& operator=(PlusBitmap&& other) noexcept { return MoveFrom(other), *this; }

    using PlusImage::LoadFromFile;
    bool LoadFromFile(const ByteArray& name, bool useICM = false) override;
    bool CreateFromFile(const Text& name, bool useICM = false) { return LoadFromFile(name, useICM); }
    bool CreateFromFile(const ByteArray& name, bool useICM = false) { return LoadFromFile(name, useICM); }
    bool LoadFromBytes(const ByteArray& bytes, bool useICM = false) override;
    QL_CREATE_AS(CreateFromScan0, GdipCreateBitmapFromScan0)
    // A blank bitmap GDI+ allocates itself (stride 0, no pixel buffer).
    bool CreateFromScan0(INT width, INT height, PixelFormat format = PixelFormat32bppARGB) {
        return CreateFromScan0(width, height, 0, format, static_cast<BYTE*>(nullptr));
    }
    // (width, height, graphics wrapper)
    QL_CREATE_AS(CreateFromGraphics, GdipCreateBitmapFromGraphics)
    QL_CREATE_AS(CreateFromGdiDib, GdipCreateBitmapFromGdiDib)
    QL_CREATE_AS(CreateFromHBITMAP, GdipCreateBitmapFromHBITMAP)
    QL_CREATE_AS(CreateFromHICON, GdipCreateBitmapFromHICON)
    bool CreateFromResource(HINSTANCE instance, const Text& name);
    // A GDI bitmap of the pixels over `background`; the caller deletes it.
    HBITMAP GetHBITMAP(ARGB background) const;
    // An icon of the pixels; the caller destroys it.
    HICON GetHICON() const { return Get(flat::GdipCreateHICONFromBitmap, bitmap_); }
    bool CloneArea(const RectF& area, PixelFormat format, PlusBitmap& target) const;
    bool CloneAreaI(const Rect& area, PixelFormat format, PlusBitmap& target) const;
    // (rectangle, ImageLockMode flags, pixel format, BitmapData record)
    QL_ACTION_AS(LockBits, GdipBitmapLockBits)
    QL_ACTION_AS(UnlockBits, GdipBitmapUnlockBits)
    // (x, y): the pixel's ARGB, 0 on failure.
    QL_GETTER_AS(GetPixel, GdipBitmapGetPixel)
    QL_ACTION_AS(SetPixel, GdipBitmapSetPixel)
    QL_ACTION_AS(SetResolution, GdipBitmapSetResolution)
    // (native effect, rectangle of interest or null, use aux data, &aux data, &aux size)
    QL_ACTION_AS(ApplyEffect, GdipBitmapApplyEffect)

    // A new 32-bit ARGB bitmap in `target` holding this one turned by `angle`
    // degrees about its centre, sized `size` or by RotatedSize; optionally
    // filled with `background` first and drawn with `interpolation`.
    bool RotateInto(REAL angle, PlusBitmap& target, std::optional<ARGB> background = std::nullopt,
                    std::optional<InterpolationMode> interpolation = std::nullopt,
                    std::optional<SizeF> size = std::nullopt) const;
    // Extent of a width x height rectangle turned by whole degrees, measured
    // between the centres of its corner pixels.
    static void RotatedSize(REAL width, REAL height, INT angle, REAL& rotatedWidth, REAL& rotatedHeight);

protected:
    void OnNativeChanged2(void* native) override { bitmap_ = static_cast<GpBitmap*>(native); }
    GpBitmap* Self() const { return bitmap_; }

private:
    GpBitmap* bitmap_ = nullptr;
};

}  // namespace qinglan::gdiplus
