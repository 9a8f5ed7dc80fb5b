#include "gdiplus/library.h"

namespace qinglan::gdiplus {

HMODULE Library() {
    static HMODULE module = LoadLibraryA("gdiplus.dll");
    return module;
}

}  // namespace qinglan::gdiplus
