#pragma once

#include <optional>

namespace plotmere {

// A computed number, or empty (the result of a stopped evaluation, a memory
// store or a script call). Empty counts as 0 in arithmetic and shows as nothing.
using Value = std::optional<double>;

inline double num(const Value& v) { return v.value_or(0.0); }

}  // namespace plotmere
