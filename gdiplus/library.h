// gdiplus.dll, loaded by name on first use and kept for the process's life.
#pragma once

#include <windows.h>

namespace qinglan::gdiplus {

// The library's module handle, or null when it cannot be loaded.
HMODULE Library();

// The export `name` of gdiplus.dll as a pointer of type F, or null.
template <class F>
F* Bind(const char* name) {
    HMODULE module = Library();
    return module ? reinterpret_cast<F*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace qinglan::gdiplus
