// The runtime's fatal index error and the 1-based arrays that raise it.
#pragma once

#include <array>
#include <cstddef>

namespace qinglan::runtime {

// Reports an index outside an array on the debug output and standard error,
// then ends the process with exit code 3. Never returns.
[[noreturn]] void FatalIndexError(const char* arrayName, long index, long size);

// A fixed-size array indexed 1..N as the program's logic counts; any other
// index is the fatal index error, never a silent out-of-range access.
template <class T, std::size_t N>
class IndexedArray {
public:
    explicit IndexedArray(const char* name) : name_(name) {}
    T& operator[](long k) { return items_[Checked(k)]; }
    const T& operator[](long k) const { return items_[Checked(k)]; }
    static constexpr long Size() { return static_cast<long>(N); }

private:
    std::size_t Checked(long k) const {
        if (k < 1 || k > Size()) FatalIndexError(name_, k, Size());
        return static_cast<std::size_t>(k - 1);
    }
    const char* name_;
    std::array<T, N> items_{};
};

// 1-based element k of a vector-like list, or the fatal index error.
template <class List>
auto& ItemAt(List& list, long k, const char* listName) {
    if (k < 1 || k > static_cast<long>(list.size())) FatalIndexError(listName, k, static_cast<long>(list.size()));
    return list[static_cast<std::size_t>(k - 1)];
}

}  // namespace qinglan::runtime
