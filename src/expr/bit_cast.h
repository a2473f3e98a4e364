#pragma once
// std::bit_cast, which the web build's standard library lacks; both compilers
// have the builtin it is made of.

namespace plotmere {

template <class To, class From>
constexpr To BitCast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From));
    return __builtin_bit_cast(To, from);
}

}  // namespace plotmere
