#pragma once
// Names each control of a window built from its design for screen readers.
// Buttons, check boxes, options, frames and labels are named by their captions
// and described by their tool tips, as Qt does; here the rest is named.

#include "app/design/form_design.h"

class QWidget;

namespace plotmere {

// Each box by the label beside it (the label's tool tip describes it), the
// rows of the function list by their slot, the swatches by their colour, and
// what the design gives a spoken name by that.
void NameControls(QWidget& window, const FormDesign& design);

}  // namespace plotmere
