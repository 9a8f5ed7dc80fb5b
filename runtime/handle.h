// Owned and borrowed Windows handles from one template.
//
// Handle<Traits, true> owns its handle and closes it once, in its destructor
// or on Reset; Handle<Traits, false> only borrows it. Every owned handle type
// of the program is an alias below, so the live count kept here covers them
// all (tests use it to show that a piece of code releases what it makes).
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace qinglan {

namespace handle_detail {
inline std::atomic<long> live{0};
}

// Owned handles currently alive, over every traits type.
inline long LiveHandleCount() { return handle_detail::live.load(); }

template <class Traits, bool kOwned = true>
class Handle {
public:
    using Native = typename Traits::Native;

    Handle() = default;
    explicit Handle(Native native) : native_(native) { Adopted(); }
    ~Handle() { Reset(); }

    Handle(Handle&& other) noexcept : native_(other.Release()) { Adopted(); }
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    Native Get() const { return native_; }
    explicit operator bool() const { return native_ != Native{}; }

    // Takes `native` in place of the current handle, closing the current one.
    void Reset(Native native = Native{}) {
        if (native_ != Native{} && kOwned) {
            Traits::Close(native_);
            handle_detail::live.fetch_sub(1);
        }
        native_ = native;
        Adopted();
    }

    // Gives up ownership without closing.
    Native Release() {
        Native native = std::exchange(native_, Native{});
        if (native != Native{} && kOwned) handle_detail::live.fetch_sub(1);
        return native;
    }

private:
    void Adopted() {
        if (native_ != Native{} && kOwned) handle_detail::live.fetch_add(1);
    }
    Native native_{};
};

// Traits of a handle type T released by the function `close`.
template <class T, auto close>
struct ClosedBy {
    using Native = T;
    static void Close(T h) { close(h); }
};

template <class T>
using GdiObjectTraits = ClosedBy<T, &DeleteObject>;
using WindowTraits = ClosedBy<HWND, &DestroyWindow>;

using UniqueFont = Handle<GdiObjectTraits<HFONT>>;
using UniqueBrush = Handle<GdiObjectTraits<HBRUSH>>;
using UniquePen = Handle<GdiObjectTraits<HPEN>>;
using UniqueBitmap = Handle<GdiObjectTraits<HBITMAP>>;
using UniqueRegion = Handle<GdiObjectTraits<HRGN>>;
using UniqueMemoryDc = Handle<ClosedBy<HDC, &DeleteDC>>;
using UniqueWindow = Handle<WindowTraits>;
using UniqueIcon = Handle<ClosedBy<HICON, &DestroyIcon>>;
using UniqueKernelHandle = Handle<ClosedBy<HANDLE, &CloseHandle>>;
using UniqueModule = Handle<ClosedBy<HMODULE, &FreeLibrary>>;
using UniqueGlobal = Handle<ClosedBy<HGLOBAL, &GlobalFree>>;
using BorrowedWindow = Handle<WindowTraits, false>;

// A DC taken with GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and selects the previous one back when it goes.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() { if (previous_) SelectObject(dc_, previous_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace qinglan
