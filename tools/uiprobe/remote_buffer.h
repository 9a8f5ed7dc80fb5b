// A block of memory inside another process, for the common-control messages
// whose arguments are pointers that the control's own process dereferences.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "runtime/handle.h"

namespace uiprobe {

class RemoteBuffer {
public:
    // Opens the process that owns `window` and reserves `size` bytes in it.
    RemoteBuffer(HWND window, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Ok() const { return address_ != nullptr; }
    // The block's address as the other process sees it, `offset` bytes in.
    void* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const;
    bool Read(size_t offset, void* data, size_t size) const;
    // A zero-terminated byte string stored at `offset`, at most `capacity` bytes.
    std::string ReadText(size_t offset, size_t capacity) const;

private:
    qinglan::UniqueKernelHandle process_;
    void* address_ = nullptr;
};

}  // namespace uiprobe
