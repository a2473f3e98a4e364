#pragma once
// Products and sums without rounding error: the rounded result and what the
// rounding left out, which add up to the exact one (Dekker's and Knuth's ways,
// no fused multiply-add needed). T is double or a vector of doubles; the
// arguments go by reference since clang passes no wide vector by value.

namespace plotmere::exact {

template <class T>
struct Sum {
    T rounded, rest;
};

// z as a high half of 26 bits and the rest, whose products round not at all.
template <class T>
struct Halves {
    T high, low;
};

template <class T>
[[gnu::always_inline]] inline Halves<T> split(const T& z) {
    const T scaled = 134217729.0 * z;  // 2^27 + 1
    const T high = scaled - (scaled - z);
    return {high, z - high};
}

template <class T>
[[gnu::always_inline]] inline Sum<T> product(const T& x, const T& y) {
    const Halves<T> a = split(x), b = split(y);
    const T rounded = x * y;
    return {rounded, ((a.high * b.high - rounded) + a.high * b.low + a.low * b.high) + a.low * b.low};
}

template <class T>
[[gnu::always_inline]] inline Sum<T> sum(const T& x, const T& y) {
    const T rounded = x + y;
    const T fromY = rounded - x;
    return {rounded, (x - (rounded - fromY)) + (y - fromY)};
}

}  // namespace plotmere::exact
