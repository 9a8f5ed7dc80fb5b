#include "gdiplus/stream.h"

#include <algorithm>
#include <cstring>

namespace qinglan::gdiplus {

IStream* HGlobalStream::CreateFromBytes(const ByteArray& bytes, std::optional<SIZE_T> size) {
    Release();
    SIZE_T count = size.value_or(bytes.size());
    if (count > bytes.size()) return nullptr;
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, count));
    if (!memory) return nullptr;
    if (count > 0) {
        void* data = GlobalLock(memory.Get());
        if (!data) return nullptr;
        std::memcpy(data, bytes.data(), count);
        GlobalUnlock(memory.Get());
    }
    IStream* stream = nullptr;
    // FALSE: the block is freed here, after the stream, not by the stream.
    if (FAILED(CreateStreamOnHGlobal(memory.Get(), FALSE, &stream)) || !stream) return nullptr;
    memory_ = memory.Get();
    ownedMemory_ = std::move(memory);
    stream_.reset(stream);
    return stream;
}

void HGlobalStream::Release() {
    if (!stream_) return;
    stream_.reset();
    ownedMemory_.Reset();
    memory_ = nullptr;
}

bool HGlobalStream::Attach(IStream* stream) {
    Release();
    if (!stream) return false;
    stream_.reset(stream);
    HGLOBAL memory = nullptr;
    if (FAILED(GetHGlobalFromStream(stream, &memory))) memory = nullptr;
    memory_ = memory;
    return memory_ != nullptr;
}

ByteArray HGlobalStream::ToBytes() const {
    if (!memory_) return {};
    SIZE_T size = GlobalSize(memory_);
    // The block may be larger than what was written into the stream.
    STATSTG stat{};
    if (stream_ && SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME)))
        size = std::min<SIZE_T>(size, static_cast<SIZE_T>(stat.cbSize.QuadPart));
    if (size == 0) return {};
    const void* data = GlobalLock(memory_);
    if (!data) return {};
    ByteArray bytes(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
    GlobalUnlock(memory_);
    return bytes;
}

}  // namespace qinglan::gdiplus
