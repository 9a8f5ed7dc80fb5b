#include "tools/uiprobe/remote_buffer.h"

#include <vector>

namespace uiprobe {

RemoteBuffer::RemoteBuffer(HWND window, size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                   PROCESS_QUERY_INFORMATION,
                               FALSE, processId));
    if (process_) {
        address_ = VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
}

RemoteBuffer::~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t size) const {
    SIZE_T written = 0;
    return WriteProcessMemory(process_.Get(), At(offset), data, size, &written) && written == size;
}

bool RemoteBuffer::Read(size_t offset, void* data, size_t size) const {
    SIZE_T read = 0;
    return ReadProcessMemory(process_.Get(), At(offset), data, size, &read) && read == size;
}

std::string RemoteBuffer::ReadText(size_t offset, size_t capacity) const {
    std::vector<char> bytes(capacity + 1, '\0');
    if (!Read(offset, bytes.data(), capacity)) return {};
    return std::string(bytes.data());
}

}  // namespace uiprobe
