#include "net/winhttp_api.h"

namespace qinglan::net {
namespace {

// GetProcAddress answers a generic pointer; going through void(*)() is the
// sanctioned way to give it its real type.
template <class Pointer>
bool Bind(HMODULE module, const char* name, Pointer& slot) {
    slot = reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
    return slot != nullptr;
}

WinHttpApi Bound(HMODULE module) {
    WinHttpApi api;
    if (!module) return api;
    bool complete = true;
#define QL_WINHTTP_BIND(name) complete = Bind(module, "WinHttp" #name, api.name) && complete;
    QL_WINHTTP_FUNCTIONS(QL_WINHTTP_BIND)
#undef QL_WINHTTP_BIND
    if (!complete) api.CheckPlatform = nullptr;  // marks the table unusable
    return api;
}

}  // namespace

const WinHttpApi* LoadWinHttp() {
    // The library stays mapped for the life of the process, as an import
    // would: a worker thread may still be inside it while the process exits.
    static const WinHttpApi api = Bound(LoadLibraryA("Winhttp.dll"));
    return api.CheckPlatform ? &api : nullptr;
}

void WinHttpHandleTraits::Close(HINTERNET handle) {
    if (const WinHttpApi* api = LoadWinHttp()) api->CloseHandle(handle);
}

}  // namespace qinglan::net
