// PlusObject: the common base of the wrapper classes, and the templates that
// every one-line wrapper method forwards through.
//
// A wrapper owns at most one native GDI+ object. Each class level keeps its
// own typed copy of the native pointer; SetNative stores the base copy and
// OnNativeChanged passes it down so every level holds the same value.
//
// Method arguments follow the flat function, minus the object's own pointer:
// a wrapper argument is passed as its native pointer (0 when empty), and a
// record given by reference where the flat function takes a pointer to that
// record is passed by address.
#pragma once

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "gdiplus/status.h"
#include "runtime/types.h"

namespace qinglan::gdiplus {

class PlusObject;

namespace detail {
inline long liveObjects = 0;

template <class P, class A>
decltype(auto) Pass(A&& a) {
    using D = std::remove_cvref_t<A>;
    if constexpr (std::is_base_of_v<PlusObject, D>) {
        using Native = typename D::NativeType;
        static_assert(std::is_convertible_v<Native*, P>, "wrapper of another kind than the flat function takes");
        return static_cast<Native*>(a.GetNative());
    } else if constexpr (std::is_pointer_v<P> && !std::is_pointer_v<D> &&
                         std::is_same_v<std::remove_cv_t<std::remove_pointer_t<P>>, D>) {
        return &a;
    } else {
        return std::forward<A>(a);
    }
}

// Calls `f` with the leading arguments `a` mapped by Pass onto its parameters.
template <class F, class... A, std::size_t... I>
auto Call(const flat::Function<F>& f, std::index_sequence<I...>, A&&... a) {
    using Params = typename flat::Function<F>::Params;
    return f(Pass<std::tuple_element_t<I, Params>>(std::forward<A>(a))...);
}
template <class F, class... A>
auto Call(const flat::Function<F>& f, A&&... a) {
    return Call(f, std::index_sequence_for<A...>{}, std::forward<A>(a)...);
}

// The element count of an array argument, as the flat API's INT.
template <class T>
INT Count(const T& array) {
    return static_cast<INT>(std::size(array));
}
}  // namespace detail

// Wrappers currently holding a native object, over every class.
inline long LiveObjectCount() { return detail::liveObjects; }

class PlusObject {
public:
    using NativeType = void;

    PlusObject() = default;
    // A copy would share the native object and delete it twice.
    PlusObject(const PlusObject&) = delete;
    PlusObject& operator=(const PlusObject&) = delete;
    virtual ~PlusObject() { SetNativeValue(nullptr); }

    // Deletes what the wrapper holds (the class's own delete operation).
    virtual void Destroy() {}
    void* GetNative() const { return native_; }
    bool IsEmpty() const { return native_ == nullptr; }
    void SetNative(void* native) {
        SetNativeValue(native);
        OnNativeChanged(native);
    }
    void* Alloc(std::size_t size) const { return flat::GdipAlloc(size); }
    void Free(void* block) const { flat::GdipFree(block); }

protected:
    virtual void OnNativeChanged(void*) {}

    // Action or setter: the flat function with `self` first; true on Ok.
    template <class F, class... A>
    static bool Act(const flat::Function<F>& f, A&&... a) {
        return Keep(detail::Call(f, std::forward<A>(a)...));
    }

    // Getter of one value: the flat function's last parameter points to it.
    template <class F, class... A>
    static auto Get(const flat::Function<F>& f, A&&... a) {
        using Params = typename flat::Function<F>::Params;
        std::remove_pointer_t<std::tuple_element_t<std::tuple_size_v<Params> - 1, Params>> value{};
        Keep(detail::Call(f, std::forward<A>(a)..., &value));
        return value;
    }

    // Creating call whose last parameter receives a new object for `target`:
    // what `target` held is deleted and the new object is handed over.
    template <class W, class F, class... A>
    static bool Into(W& target, const flat::Function<F>& f, A&&... a) {
        typename W::NativeType* made = nullptr;
        bool ok = Keep(detail::Call(f, std::forward<A>(a)..., &made));
        target.Destroy();
        target.SetNative(made);
        return ok;
    }

    // Delete: false at once when empty, else the flat delete and SetNative(0).
    template <class F, class T>
    bool Delete(const flat::Function<F>& f, T* self) {
        if (!native_) return false;
        bool ok = Keep(f(self));
        SetNative(nullptr);
        return ok;
    }

    // ScaleAt / RotateAt: `turn` (scale or rotate by `amount`) about `centre`,
    // as three calls on the object's own transform in the given order. With
    // Append the point is moved to the origin first; with Prepend the
    // translations are listed the other way round so the effect is the same.
    template <class T, class U, class S, class... R>
    static bool TurnAbout(const flat::Function<T>& translate, const flat::Function<U>& turn, S self,
                          const PointF& centre, MatrixOrder order, R... amount) {
        REAL sign = order == MatrixOrderAppend ? -1.0f : 1.0f;
        Keep(translate(self, sign * centre.X, sign * centre.Y, order));
        Keep(turn(self, amount..., order));
        return Keep(translate(self, -sign * centre.X, -sign * centre.Y, order));
    }

    // Array getters: the count function first, then the caller's arrays are
    // sized to it and filled. The result is the count, 0 on any failure.
    template <class C, class G, class S, class... T>
    static INT CountedArrays(const flat::Function<C>& count, const flat::Function<G>& get, S self,
                             std::vector<T>&... arrays) {
        using Number = std::remove_pointer_t<std::tuple_element_t<1, typename flat::Function<C>::Params>>;
        Number n = 0;
        if (!Keep(count(self, &n))) return 0;
        (arrays.assign(n, T()), ...);
        if (n < 1) return 0;
        return Keep(get(self, arrays.data()..., static_cast<INT>(n))) ? static_cast<INT>(n) : 0;
    }

    // Moves the native object of `other` here; used by the moves of each class.
    void TakeFrom(PlusObject& other) {
        if (this == &other) return;
        Destroy();
        void* native = other.native_;
        other.SetNative(nullptr);
        SetNative(native);
    }

private:
    void SetNativeValue(void* native) {
        if (!native_ && native) ++detail::liveObjects;
        if (native_ && !native) --detail::liveObjects;
        native_ = native;
    }
    void* native_ = nullptr;
};

// Move construction and assignment for a wrapper class.
#define QL_PLUS_MOVABLE(Class)                            \
    Class(Class&& other) noexcept { TakeFrom(other); }    \
    Class& operator=(Class&& other) noexcept {            \
        TakeFrom(other);                                  \
        return *this;                                     \
    }

// One-line methods named after their flat function (Gdip + Name), taking the
// flat function's arguments after the object's own pointer, `Self()`.
#define QL_ACTION_AS(Name, Flat) \
    template <class... A> \
    bool Name(A&&... a) { return Act(flat::Flat, Self(), std::forward<A>(a)...); }
#define QL_GETTER_AS(Name, Flat) \
    template <class... A> \
    auto Name(A&&... a) const { return Get(flat::Flat, Self(), std::forward<A>(a)...); }
#define QL_ACTION(Name) QL_ACTION_AS(Name, Gdip##Name)
#define QL_GETTER(Name) QL_GETTER_AS(Name, Gdip##Name)
// A creator whose arguments are all the flat function's but the out pointer.
#define QL_CREATE_AS(Name, Flat) \
    template <class... A> \
    bool Name(A&&... a) { return Into(*this, flat::Flat, std::forward<A>(a)...); }
#define QL_CREATE(Name) QL_CREATE_AS(Name, Gdip##Name)
// A clone or other object result delivered into the caller's wrapper.
#define QL_INTO(Name, Target) \
    template <class... A> \
    bool Name(Target& target, A&&... a) { return Into(target, flat::Gdip##Name, Self(), std::forward<A>(a)...); }

}  // namespace qinglan::gdiplus
