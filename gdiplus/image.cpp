#include "gdiplus/image.h"

#include <algorithm>
#include <cstring>

namespace qinglan::gdiplus {

bool PlusImage::DisposeImage() {
    if (IsEmpty()) return false;
    bool ok = Keep(flat::GdipDisposeImage(image_));
    SetNative(nullptr);
    stream_.Release();
    return ok;
}

bool PlusImage::LoadFromFile(const Text& name, bool useICM) { return LoadFromFile(ToWideText(name), useICM); }
bool PlusImage::LoadFromFile(const ByteArray& name, bool useICM) {
    detail::WideArg wide(name);
    return Into(*this, useICM ? flat::GdipLoadImageFromFileICM : flat::GdipLoadImageFromFile, wide.c_str());
}

IStream* PlusImage::StreamOver(const ByteArray& bytes) {
    Destroy();
    return stream_.CreateFromBytes(bytes);
}
bool PlusImage::LoadFromBytes(const ByteArray& bytes, bool useICM) {
    IStream* stream = StreamOver(bytes);
    return Into(*this, useICM ? flat::GdipLoadImageFromStreamICM : flat::GdipLoadImageFromStream, stream);
}

PlusImage& PlusImage::MoveFrom(PlusImage& other) {
    if (this == &other) return *this;
    TakeFrom(other);
    stream_ = std::move(other.stream_);
    return *this;
}

bool PlusImage::GetEncoderParameterList(const Text& format, EncoderParameterList& list) const {
    list.clear();
    CLSID clsid = TextToGuid(FindEncoderByFormat(format));
    UINT size = 0;
    if (!Keep(flat::GdipGetEncoderParameterListSize(image_, &clsid, &size)) || size < sizeof(UINT)) return false;
    std::vector<BYTE> buffer(size);
    auto* native = reinterpret_cast<EncoderParameters*>(buffer.data());
    if (!Keep(flat::GdipGetEncoderParameterList(image_, &clsid, size, native))) return false;
    const EncoderParameter* parameters = native->Parameter;
    for (UINT i = 0; i < native->Count; ++i) {
        const EncoderParameter& p = parameters[i];
        EncoderParameterRecord record{GuidToText(p.Guid), p.NumberOfValues, p.Type, {}};
        auto* values = static_cast<const BYTE*>(p.Value);
        if (values) record.Values.assign(values, values + SIZE_T{p.NumberOfValues} * detail::EncoderValueSize(p.Type));
        list.push_back(std::move(record));
    }
    return true;
}

bool PlusImage::SaveToFile(const Text& name, const Text& format, const EncoderParameterList* parameters) {
    return SaveToFile(ToWideText(name), format, parameters);
}
bool PlusImage::SaveToFile(const ByteArray& name, const Text& format, const EncoderParameterList* parameters) {
    detail::WideArg wide(name);
    CLSID clsid = TextToGuid(FindEncoderByFormat(format));
    detail::EncoderBlock block(parameters);
    if (block.Invalid()) return Keep(InvalidParameter);
    return Keep(flat::GdipSaveImageToFile(image_, wide.c_str(), &clsid, block.Get()));
}

ByteArray PlusImage::SaveToBytes(const Text& format, const EncoderParameterList* parameters) {
    CLSID clsid = TextToGuid(FindEncoderByFormat(format.empty() ? GetImageRawFormat() : format));
    detail::EncoderBlock block(parameters);
    if (block.Invalid()) return Keep(InvalidParameter), ByteArray{};
    HGlobalStream target;
    IStream* stream = target.CreateFromBytes();
    if (!stream) return Keep(OutOfMemory), ByteArray{};
    if (!Keep(flat::GdipSaveImageToStream(image_, stream, &clsid, block.Get()))) return {};
    return target.ToBytes();
}

bool PlusImage::SaveAdd(const EncoderParameterList* parameters) {
    detail::EncoderBlock block(parameters);
    if (block.Invalid()) return Keep(InvalidParameter);
    return Keep(flat::GdipSaveAdd(image_, block.Get()));
}
bool PlusImage::SaveAddImage(const PlusImage& image, const EncoderParameterList* parameters) {
    detail::EncoderBlock block(parameters);
    if (block.Invalid()) return Keep(InvalidParameter);
    return Keep(flat::GdipSaveAddImage(image_, image.image_, block.Get()));
}

SizeF PlusImage::GetImageDimension() const {
    SizeF size;
    Keep(flat::GdipGetImageDimension(image_, &size.Width, &size.Height));
    return size;
}
Status PlusImage::GetImageBounds(RectF& bounds, Unit& unit) const {
    Keep(flat::GdipGetImageBounds(image_, &bounds, &unit));
    return LastStatus();
}

bool PlusImage::GetImagePalette(PaletteRecord& palette) const {
    palette = {};
    INT size = Get(flat::GdipGetImagePaletteSize, image_);
    if (LastStatus() != Ok || size < static_cast<INT>(2 * sizeof(UINT))) return false;
    std::vector<BYTE> buffer(size);
    if (!Keep(flat::GdipGetImagePalette(image_, reinterpret_cast<ColorPalette*>(buffer.data()), size))) return false;
    const auto* native = reinterpret_cast<const ColorPalette*>(buffer.data());
    // Never more entries than the block holds, whatever its count says.
    UINT room = (size - 2 * sizeof(UINT)) / sizeof(ARGB);
    palette.Flags = native->Flags;
    palette.Count = std::min(native->Count, room);
    palette.Entries.resize(palette.Count);
    std::memcpy(palette.Entries.data(), buffer.data() + 2 * sizeof(UINT), palette.Count * sizeof(ARGB));
    return true;
}
bool PlusImage::SetImagePalette(const PaletteRecord& palette) {
    UINT count = std::min<UINT>(palette.Count, static_cast<UINT>(palette.Entries.size()));
    std::vector<BYTE> buffer(2 * sizeof(UINT) + std::max<UINT>(count, 1) * sizeof(ARGB), 0);
    auto* native = reinterpret_cast<ColorPalette*>(buffer.data());
    native->Flags = palette.Flags;
    native->Count = count;
    std::memcpy(buffer.data() + 2 * sizeof(UINT), palette.Entries.data(), count * sizeof(ARGB));
    return Keep(flat::GdipSetImagePalette(image_, native));
}

bool PlusImage::GetImageThumbnail(UINT width, UINT height, PlusImage& thumbnail) const {
    GpImage* made = nullptr;
    bool ok = Keep(flat::GdipGetImageThumbnail(image_, width, height, &made, nullptr, nullptr));
    thumbnail.Destroy();
    thumbnail.SetNative(made);
    return ok;
}

UINT PlusImage::ImageGetFrameCount(const Text& dimension) const {
    GUID id = TextToGuid(dimension);
    return Get(flat::GdipImageGetFrameCount, image_, &id);
}
bool PlusImage::GetFrameDimensionsList(std::vector<Text>& dimensions) const {
    dimensions.clear();
    UINT count = Get(flat::GdipImageGetFrameDimensionsCount, image_);
    if (LastStatus() != Ok) return false;
    std::vector<GUID> ids(count);
    if (count && !Keep(flat::GdipImageGetFrameDimensionsList(image_, ids.data(), count))) return false;
    for (const GUID& id : ids) dimensions.push_back(GuidToText(id));
    return true;
}
bool PlusImage::ImageSelectActiveFrame(const Text& dimension, UINT index) {
    GUID id = TextToGuid(dimension);
    return Keep(flat::GdipImageSelectActiveFrame(image_, &id, index));
}

bool PlusImage::GetFrameDelays(std::vector<UINT>& delays) const {
    delays.clear();
    PropertyItemRecord item;
    if (!GetPropertyItem(PropertyTagFrameDelay, item)) return false;
    delays.resize(item.Value.size() / sizeof(UINT));
    std::memcpy(delays.data(), item.Value.data(), delays.size() * sizeof(UINT));
    return true;
}
bool PlusImage::GetPropertyItem(PROPID id, PropertyItemRecord& item) const {
    item = {};
    UINT size = Get(flat::GdipGetPropertyItemSize, image_, id);
    if (LastStatus() != Ok || size < sizeof(PropertyItem)) return false;
    std::vector<BYTE> buffer(size);
    auto* native = reinterpret_cast<PropertyItem*>(buffer.data());
    if (!Keep(flat::GdipGetPropertyItem(image_, id, size, native))) return false;
    item.Id = native->id;
    item.Length = native->length;
    item.Type = native->type;
    // The value follows the record inside the same block.
    SIZE_T length = std::min<SIZE_T>(native->length, size - sizeof(PropertyItem));
    if (native->value) item.Value.assign(static_cast<const BYTE*>(native->value), static_cast<const BYTE*>(native->value) + length);
    return true;
}
bool PlusImage::SetPropertyItem(const PropertyItemRecord& item) {
    PropertyItem native{item.Id, static_cast<ULONG>(item.Value.size()), item.Type,
                        const_cast<BYTE*>(item.Value.data())};
    return Keep(flat::GdipSetPropertyItem(image_, &native));
}
bool PlusImage::GetPropertyIdList(std::vector<PROPID>& ids) const {
    ids.clear();
    UINT count = Get(flat::GdipGetPropertyCount, image_);
    if (LastStatus() != Ok) return false;
    ids.resize(count);
    return count == 0 || Keep(flat::GdipGetPropertyIdList(image_, count, ids.data()));
}

}  // namespace qinglan::gdiplus
