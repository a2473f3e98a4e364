#pragma once
// What a screen reader calls each control of a window built from its design.
// Buttons, check boxes, options, frames and labels are named by their captions
// and described by their tool tips; boxes by the label their row names; here
// the rest is named.

#include <string>
#include <string_view>

#include "app/design/form_design.h"

namespace plotmere {

// The name of a control that neither a caption nor a label names: the rows of
// the function list by their slot ("Function 3", "On 3"), the swatches by their
// colour, and what the design gives a spoken name by that. Empty for the rest.
std::string SpokenName(const ControlDesign& control);

}  // namespace plotmere
