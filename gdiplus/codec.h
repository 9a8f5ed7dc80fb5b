// Image encoders and encoder parameters as the program's own records.
#pragma once

#include <vector>

#include "gdiplus/flat.h"
#include "runtime/types.h"

namespace qinglan::gdiplus {

// Format GUID texts the program uses.
inline constexpr char kPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr char kBmpFormat[] = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";

// One ImageCodecInfo entry, fields in the native order.
struct ImageCodecRecord {
    Text Clsid;
    Text FormatId;
    Text CodecName;
    Text DllName;
    Text FormatDescription;
    Text FilenameExtension;
    Text MimeType;
    DWORD Flags = 0;
    DWORD Version = 0;
    DWORD SigCount = 0;
    DWORD SigSize = 0;
    ByteArray SigPattern;  // SigCount x SigSize bytes
    ByteArray SigMask;
};

struct EncoderParameterRecord {
    Text Guid;
    ULONG NumberOfValues = 0;
    ULONG Type = 0;  // EncoderParameterValueType
    ByteArray Values;
};
using EncoderParameterList = std::vector<EncoderParameterRecord>;

// The installed encoders, in enumeration order (empty on failure).
std::vector<ImageCodecRecord> GetImageEncoders();
// CLSID text of the first encoder whose format ID text equals `format`
// exactly (case included), or an empty text.
Text FindEncoderByFormat(const Text& format);

namespace detail {
// Bytes of one value of an EncoderParameterValueType, 0 for an unknown type.
UINT EncoderValueSize(ULONG type);

// The native EncoderParameters block of a list; it points into the list's
// value bytes, so the list must outlive the flat call. Invalid() when a
// record holds fewer value bytes than its count and type say.
class EncoderBlock {
public:
    explicit EncoderBlock(const EncoderParameterList* list);
    bool Invalid() const { return invalid_; }
    const EncoderParameters* Get() const;

private:
    std::vector<BYTE> block_;
    bool invalid_ = false;
};
}  // namespace detail

}  // namespace qinglan::gdiplus
