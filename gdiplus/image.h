// PlusImage: a GDI+ image, loaded from a file or from bytes, saved to a file
// or to bytes. An image loaded from bytes keeps its stream and memory for as
// long as it lives, because GDI+ may read from the stream whenever the image
// is used.
#pragma once

#include <vector>

#include "gdiplus/codec.h"
#include "gdiplus/object.h"
#include "gdiplus/stream.h"
#include "gdiplus/text.h"

namespace qinglan::gdiplus {

struct PaletteRecord {
    UINT Flags = 0;
    UINT Count = 0;
    std::vector<ARGB> Entries;
};

struct PropertyItemRecord {
    PROPID Id = 0;
    ULONG Length = 0;
    WORD Type = 0;
    ByteArray Value;
};

class PlusImage : public PlusObject {
public:
    using NativeType = GpImage;

    PlusImage() = default;
    PlusImage(PlusImage&& other) noexcept { MoveFrom(other); }
    PlusImage& operator=(PlusImage&& other) noexcept { return MoveFrom(other), *this; }
    ~PlusImage() override { DisposeImage(); }
    void Destroy() override { DisposeImage(); }

    // Disposes the image, then releases the stream it was read from.
    bool DisposeImage();
    // A bitmap makes bitmaps here (GdipCreateBitmapFrom...).
    virtual bool LoadFromFile(const Text& name, bool useICM = false);
    virtual bool LoadFromFile(const ByteArray& name, bool useICM = false);
    // Disposes what the wrapper held, then reads the image from a stream
    // over a copy of `bytes` that the wrapper keeps.
    virtual bool LoadFromBytes(const ByteArray& bytes, bool useICM = false);
    QL_INTO(CloneImage, PlusImage)
    bool GetEncoderParameterList(const Text& format, EncoderParameterList& list) const;
    bool SaveToFile(const Text& name, const Text& format = kBmpFormat, const EncoderParameterList* parameters = nullptr);
    bool SaveToFile(const ByteArray& name, const Text& format = kBmpFormat,
                    const EncoderParameterList* parameters = nullptr);
    // The encoded file; `format` defaults to the image's own raw format.
    // Empty when no encoder has the format or the save fails.
    ByteArray SaveToBytes(const Text& format = {}, const EncoderParameterList* parameters = nullptr);
    bool SaveAdd(const EncoderParameterList* parameters = nullptr);
    bool SaveAddImage(const PlusImage& image, const EncoderParameterList* parameters = nullptr);
    QL_GETTER(GetImageType)
    SizeF GetImageDimension() const;
    Status GetImageBounds(RectF& bounds, Unit& unit) const;
    QL_GETTER(GetImageWidth)
    QL_GETTER(GetImageHeight)
    QL_GETTER(GetImageHorizontalResolution)
    QL_GETTER(GetImageVerticalResolution)
    QL_GETTER(GetImageFlags)
    Text GetImageRawFormat() const { return GuidToText(Get(flat::GdipGetImageRawFormat, image_)); }
    QL_GETTER(GetImagePixelFormat)
    bool GetImagePalette(PaletteRecord& palette) const;
    bool SetImagePalette(const PaletteRecord& palette);
    bool GetImageThumbnail(UINT width, UINT height, PlusImage& thumbnail) const;
    UINT ImageGetFrameCount(const Text& dimension) const;
    bool GetFrameDimensionsList(std::vector<Text>& dimensions) const;
    bool ImageSelectActiveFrame(const Text& dimension, UINT index);
    QL_ACTION(ImageRotateFlip)
    // Delays of an animated image's frames (property 0x5100).
    bool GetFrameDelays(std::vector<UINT>& delays) const;
    bool GetPropertyItem(PROPID id, PropertyItemRecord& item) const;
    bool SetPropertyItem(const PropertyItemRecord& item);
    QL_ACTION(RemovePropertyItem)
    bool GetPropertyIdList(std::vector<PROPID>& ids) const;

protected:
    void OnNativeChanged(void* native) override {
        image_ = static_cast<GpImage*>(native);
        OnNativeChanged2(native);
    }
    virtual void OnNativeChanged2(void*) {}
    GpImage* Self() const { return image_; }
    // The bytes' stream, or null; LoadFromBytes of both levels goes through it.
    IStream* StreamOver(const ByteArray& bytes);
    PlusImage& MoveFrom(PlusImage& other);

private:
    GpImage* image_ = nullptr;
    HGlobalStream stream_;
};

}  // namespace qinglan::gdiplus
