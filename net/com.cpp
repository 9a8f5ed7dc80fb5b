#include "net/com.h"

#include <cstring>
#include <vector>

#include "net/encoding.h"

namespace qinglan::net {

Variant Variant::FromText(const Text& text) {
    Variant v;
    const std::wstring units = TextToWide(text);
    v.value_.vt = VT_BSTR;
    v.value_.bstrVal = SysAllocStringLen(units.data(), static_cast<UINT>(units.size()));
    if (!v.value_.bstrVal) v.value_.vt = VT_EMPTY;
    return v;
}

Variant Variant::FromLong(long number) {
    Variant v;
    v.value_.vt = VT_I4;
    v.value_.lVal = number;
    return v;
}

Variant Variant::FromBool(bool flag) {
    Variant v;
    v.value_.vt = VT_BOOL;
    v.value_.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::FromBytes(const ByteArray& bytes) {
    Variant v;
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (!array) return v;
    void* data = nullptr;
    if (!bytes.empty() && SUCCEEDED(SafeArrayAccessData(array, &data))) {
        std::memcpy(data, bytes.data(), bytes.size());
        SafeArrayUnaccessData(array);
    }
    v.value_.vt = VT_ARRAY | VT_UI1;
    v.value_.parray = array;
    return v;
}

Text Variant::ToText() const {
    Variant text;
    if (FAILED(VariantChangeType(text.Put(), Source(), 0, VT_BSTR)) || !text.value_.bstrVal) return {};
    return WideToText(std::wstring_view(text.value_.bstrVal, SysStringLen(text.value_.bstrVal)));
}

long Variant::ToLong() const {
    Variant number;
    if (FAILED(VariantChangeType(number.Put(), Source(), 0, VT_I4))) return 0;
    return number.value_.lVal;
}

DispatchRef Variant::ToDispatch() const {
    if (value_.vt == VT_DISPATCH) return DispatchRef::Share(value_.pdispVal);
    DispatchRef object;
    if (value_.vt == VT_UNKNOWN && value_.punkVal) {
        value_.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object.Put()));
    }
    return object;
}

DispatchRef CreateObject(const wchar_t* progId) {
    CLSID clsid;
    DispatchRef object;
    if (FAILED(CLSIDFromProgID(progId, &clsid))) return object;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(object.Put())))) {
        object.Reset();
    }
    return object;
}

namespace dispatch_detail {

std::optional<Variant> Invoke(IDispatch* object, const wchar_t* name, WORD kind, const Variant* args, unsigned count) {
    if (!object) return std::nullopt;
    DISPID member = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member))) return std::nullopt;

    // IDispatch takes its arguments last first; these copies only borrow.
    std::vector<VARIANTARG> reversed(count);
    for (unsigned i = 0; i < count; ++i) reversed[count - 1 - i] = args[i].Get();
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), nullptr, count, 0};
    if (kind == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    Variant result;
    if (FAILED(object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result.Put(), nullptr, nullptr))) {
        return std::nullopt;
    }
    return result;
}

}  // namespace dispatch_detail
}  // namespace qinglan::net
