#pragma once
// Guarded integer arithmetic and arrays with fixed bounds.  The program never
// wraps an integer or reads past an array: it stops with the run-time error.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "platform/core/errors.h"

namespace rtl {

// 32-bit arithmetic that throws "Integer overflow" instead of wrapping.
inline int32_t CheckedAdd(int32_t a, int32_t b) {
    int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throw OverflowError();
    return r;
}
inline int32_t CheckedSub(int32_t a, int32_t b) {
    int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) throw OverflowError();
    return r;
}
inline int32_t CheckedMul(int32_t a, int32_t b) {
    int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw OverflowError();
    return r;
}

// Throws "Range check error" unless lo <= i <= hi.
inline void CheckIndex(long long i, long long lo, long long hi) {
    if (i < lo || i > hi) throw RangeError();
}

// A fixed-size array indexed Lo..Hi inclusive, every index checked.
template <typename T, int Lo, int Hi>
class CheckedArray {
    static_assert(Hi >= Lo, "empty bounds");

public:
    static constexpr int Low = Lo;
    static constexpr int High = Hi;
    static constexpr std::size_t Size = static_cast<std::size_t>(Hi - Lo + 1);

    CheckedArray() : data_{} {}
    CheckedArray(std::initializer_list<T> init) : data_{} {
        if (init.size() > Size) throw RangeError();
        std::size_t k = 0;
        for (const T& v : init) data_[k++] = v;
    }

    T& operator[](long long i) {
        CheckIndex(i, Lo, Hi);
        return data_[static_cast<std::size_t>(i - Lo)];
    }
    const T& operator[](long long i) const {
        CheckIndex(i, Lo, Hi);
        return data_[static_cast<std::size_t>(i - Lo)];
    }

    void Fill(const T& v) { data_.fill(v); }
    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }
    auto begin() { return data_.begin(); }
    auto end() { return data_.end(); }
    auto begin() const { return data_.begin(); }
    auto end() const { return data_.end(); }
    bool operator==(const CheckedArray&) const = default;

private:
    std::array<T, Size> data_;
};

}  // namespace rtl
