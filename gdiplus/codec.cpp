#include "gdiplus/codec.h"

#include <cstddef>

#include "gdiplus/status.h"
#include "gdiplus/text.h"

namespace qinglan::gdiplus {

std::vector<ImageCodecRecord> GetImageEncoders() {
    UINT count = 0, size = 0;
    if (!Keep(flat::GdipGetImageEncodersSize(&count, &size)) || count == 0 || size < count * sizeof(ImageCodecInfo))
        return {};
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (!Keep(flat::GdipGetImageEncoders(count, size, codecs))) return {};
    std::vector<ImageCodecRecord> records;
    for (UINT i = 0; i < count; ++i) {
        const ImageCodecInfo& c = codecs[i];
        ImageCodecRecord r{GuidToText(c.Clsid), GuidToText(c.FormatID), ToAnsiText(c.CodecName),
                           ToAnsiText(c.DllName), ToAnsiText(c.FormatDescription), ToAnsiText(c.FilenameExtension),
                           ToAnsiText(c.MimeType), c.Flags, c.Version, c.SigCount, c.SigSize, {}, {}};
        SIZE_T signature = SIZE_T{c.SigCount} * c.SigSize;
        if (c.SigPattern) r.SigPattern.assign(c.SigPattern, c.SigPattern + signature);
        if (c.SigMask) r.SigMask.assign(c.SigMask, c.SigMask + signature);
        records.push_back(std::move(r));
    }
    return records;
}

Text FindEncoderByFormat(const Text& format) {
    for (const ImageCodecRecord& codec : GetImageEncoders())
        if (codec.FormatId == format) return codec.Clsid;
    return {};
}

namespace detail {

UINT EncoderValueSize(ULONG type) {
    switch (type) {
    case EncoderParameterValueTypeByte:
    case EncoderParameterValueTypeASCII:
    case EncoderParameterValueTypeUndefined: return 1;
    case EncoderParameterValueTypeShort: return 2;
    case EncoderParameterValueTypeLong: return 4;
    case EncoderParameterValueTypeRational:
    case EncoderParameterValueTypeLongRange: return 8;
    case EncoderParameterValueTypeRationalRange: return 16;
    default: return 0;
    }
}

EncoderBlock::EncoderBlock(const EncoderParameterList* list) {
    if (!list) return;
    block_.assign(offsetof(EncoderParameters, Parameter) + sizeof(EncoderParameter) * list->size(), 0);
    auto* native = reinterpret_cast<EncoderParameters*>(block_.data());
    native->Count = static_cast<UINT>(list->size());
    for (std::size_t i = 0; i < list->size(); ++i) {
        const EncoderParameterRecord& record = (*list)[i];
        // GDI+ reads count x value size bytes: never more than the record has.
        if (SIZE_T{record.NumberOfValues} * EncoderValueSize(record.Type) > record.Values.size()) invalid_ = true;
        EncoderParameter& parameter = native->Parameter[i];
        parameter.Guid = TextToGuid(record.Guid);
        parameter.NumberOfValues = record.NumberOfValues;
        parameter.Type = record.Type;
        parameter.Value = const_cast<BYTE*>(record.Values.data());
    }
}

const EncoderParameters* EncoderBlock::Get() const {
    return block_.empty() ? nullptr : reinterpret_cast<const EncoderParameters*>(block_.data());
}

}  // namespace detail
}  // namespace qinglan::gdiplus
