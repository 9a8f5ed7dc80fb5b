// HGlobalStream: an OLE stream over a movable global memory block, through
// which images are read from and written to byte arrays.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <memory>
#include <optional>

#include "runtime/handle.h"
#include "runtime/types.h"

namespace qinglan::gdiplus {

class HGlobalStream {
public:
    HGlobalStream() = default;
    ~HGlobalStream() { Release(); }
    HGlobalStream(HGlobalStream&&) noexcept = default;
    HGlobalStream& operator=(HGlobalStream&&) noexcept = default;

    // A new stream over a copy of the first `size` bytes (default: all);
    // positioned at byte 0. Null on failure or when `size` exceeds the bytes.
    IStream* CreateFromBytes(const ByteArray& bytes = {}, std::optional<SIZE_T> size = std::nullopt);
    // Releases the stream, then frees the block it made.
    void Release();
    SIZE_T GetSize() const { return memory_ ? GlobalSize(memory_) : 0; }
    IStream* GetStream() const { return stream_.get(); }
    HGLOBAL GetMemory() const { return memory_; }
    // Takes over one reference of `stream`; true when it lies on global
    // memory. That memory stays the stream's own: it is not freed here.
    bool Attach(IStream* stream);
    // A copy of the bytes the stream holds.
    ByteArray ToBytes() const;

private:
    struct ComRelease {
        void operator()(IUnknown* object) const { object->Release(); }
    };
    UniqueGlobal ownedMemory_;
    HGLOBAL memory_ = nullptr;
    std::unique_ptr<IStream, ComRelease> stream_;
};

}  // namespace qinglan::gdiplus
