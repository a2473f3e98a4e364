#pragma once
// The order Tab visits a window's controls: as they are read, row by row, a
// frame whole where it comes, with the controls that lie on it.

#include <cstddef>
#include <vector>

#include "app/design/form_design.h"

namespace plotmere {

// The rows of the design that Tab stops at, by index, in that order.
std::vector<std::size_t> TabOrder(const FormDesign& design);

}  // namespace plotmere
