#include "runtime/fatal.h"

#include <windows.h>

#include <cstdio>

namespace qinglan::runtime {

void FatalIndexError(const char* arrayName, long index, long size) {
    char message[256];
    std::snprintf(message, sizeof message, "qinglan: fatal index error: index %ld is outside %s[1..%ld]\n", index,
                  arrayName, size);
    OutputDebugStringA(message);
    std::fputs(message, stderr);
    std::fflush(stderr);
    ExitProcess(3);
}

}  // namespace qinglan::runtime
