#include "runtime/program.h"

#include <windows.h>

#include "runtime/handle.h"

namespace qinglan::runtime {
namespace {

void (*exitRoutine)() = nullptr;

DWORD WINAPI ThreadStart(LPVOID parameter) {
    reinterpret_cast<void (*)()>(parameter)();
    return 0;
}

}  // namespace

void RegisterExitRoutine(void (*routine)()) { exitRoutine = routine; }

void RunExitRoutine() {
    if (auto routine = exitRoutine) {
        exitRoutine = nullptr;
        routine();
    }
}

bool StartWorkerThread(void (*body)()) {
    UniqueKernelHandle thread(CreateThread(nullptr, 0, ThreadStart, reinterpret_cast<LPVOID>(body), 0, nullptr));
    return static_cast<bool>(thread);
}

Text RunDirectory() {
    char path[MAX_PATH * 2] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path - 1);
    // The last separator ends the directory; step GBK characters whole, a
    // trail byte may equal '\\'.
    DWORD end = 0;
    for (DWORD i = 0; i < length; ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < length) {
            ++i;
        } else if (path[i] == '\\' || path[i] == '/') {
            end = i;
        }
    }
    return Text(path, end);
}

bool WriteBytesToFile(const Text& path, const ByteArray& bytes) {
    UniqueKernelHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();
        return false;
    }
    DWORD written = 0;
    return bytes.empty() ||
           (WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size());
}

}  // namespace qinglan::runtime
