// The WinHttp functions, bound by name from "Winhttp.dll" at run time, and the
// owned WinHttp handle.
#pragma once

#include <windows.h>
#include <winhttp.h>

#include "runtime/handle.h"

namespace qinglan::net {

#define QL_WINHTTP_FUNCTIONS(X)                                                                           \
    X(CheckPlatform) X(CrackUrl) X(Open) X(Connect) X(OpenRequest) X(SetTimeouts) X(SetCredentials)     \
    X(SetOption) X(AddRequestHeaders) X(SendRequest) X(ReceiveResponse) X(QueryDataAvailable)            \
    X(ReadData) X(QueryHeaders) X(CloseHandle)

// One pointer per function, typed from the platform header's declaration.
struct WinHttpApi {
#define QL_WINHTTP_POINTER(name) decltype(&::WinHttp##name) name = nullptr;
    QL_WINHTTP_FUNCTIONS(QL_WINHTTP_POINTER)
#undef QL_WINHTTP_POINTER
};

// The table, bound once per process and never changed after; null when the
// library or any of its functions is missing.
const WinHttpApi* LoadWinHttp();

struct WinHttpHandleTraits {
    using Native = HINTERNET;
    static void Close(HINTERNET handle);
};
using UniqueInternet = Handle<WinHttpHandleTraits>;

}  // namespace qinglan::net
