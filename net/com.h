// Owned COM pieces and late-bound calls by member name.
//
// ComRef owns one interface reference, Variant one VARIANT (with its BSTR or
// SAFEARRAY), ComApartment one CoInitialize. Dispatch drives an automation
// object through IDispatch: get a property, put one, call a method.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <optional>
#include <utility>

#include "runtime/types.h"

namespace qinglan::net {

template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef& other) : ptr_(other.ptr_) { if (ptr_) ptr_->AddRef(); }
    ComRef(ComRef&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComRef& operator=(ComRef other) noexcept {
        std::swap(ptr_, other.ptr_);
        return *this;
    }

    // Takes a reference the caller already counted.
    static ComRef Adopt(T* ptr) {
        ComRef ref;
        ref.ptr_ = ptr;
        return ref;
    }
    // Shares a reference owned by someone else.
    static ComRef Share(T* ptr) {
        if (ptr) ptr->AddRef();
        return Adopt(ptr);
    }

    void Reset() {
        if (ptr_) std::exchange(ptr_, nullptr)->Release();
    }
    T* Get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T** Put() {
        Reset();
        return &ptr_;
    }

private:
    T* ptr_ = nullptr;
};

using DispatchRef = ComRef<IDispatch>;

class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant& other) : Variant() { VariantCopy(&value_, other.Source()); }
    Variant& operator=(const Variant& other) {
        if (this != &other) VariantCopy(&value_, other.Source());
        return *this;
    }

    static Variant FromText(const Text& text);
    static Variant FromLong(long number);
    static Variant FromBool(bool flag);
    // A one-dimensional array of bytes (VT_ARRAY | VT_UI1).
    static Variant FromBytes(const ByteArray& bytes);

    // The value as program text / as a number / as an object; empty, 0 or
    // null when it cannot be converted.
    Text ToText() const;
    long ToLong() const;
    DispatchRef ToDispatch() const;
    bool IsEmpty() const { return value_.vt == VT_EMPTY || value_.vt == VT_NULL; }

    const VARIANT& Get() const { return value_; }
    VARIANT* Put() {
        VariantClear(&value_);
        return &value_;
    }

private:
    // The platform's declarations take sources as non-const; they only read them.
    VARIANT* Source() const { return const_cast<VARIANT*>(&value_); }

    VARIANT value_;
};

// CoInitialize on the calling thread for the object's lifetime, balanced by
// CoUninitialize when that call succeeded (S_OK or S_FALSE).
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComApartment() { if (initialised_) CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// A new instance of the automation object named `progId`, or null.
DispatchRef CreateObject(const wchar_t* progId);

namespace dispatch_detail {
// Invokes `name` on `object` with `args` given in call order.
std::optional<Variant> Invoke(IDispatch* object, const wchar_t* name, WORD kind, const Variant* args, unsigned count);
}  // namespace dispatch_detail

// Late-bound access to an automation object by member name. Every call
// answers nullopt (or false) when the object is null or the call fails.
template <class... Args>
std::optional<Variant> DispatchGet(const DispatchRef& object, const wchar_t* name, const Args&... args) {
    const Variant list[] = {Variant(), args...};
    return dispatch_detail::Invoke(object.Get(), name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, list + 1, sizeof...(Args));
}

template <class... Args>
std::optional<Variant> DispatchCall(const DispatchRef& object, const wchar_t* name, const Args&... args) {
    const Variant list[] = {Variant(), args...};
    return dispatch_detail::Invoke(object.Get(), name, DISPATCH_METHOD, list + 1, sizeof...(Args));
}

inline bool DispatchPut(const DispatchRef& object, const wchar_t* name, const Variant& value) {
    return dispatch_detail::Invoke(object.Get(), name, DISPATCH_PROPERTYPUT, &value, 1).has_value();
}

}  // namespace qinglan::net
