#pragma once

#include "state/context.h"

namespace plotmere {

// Draws the two axes of the current window and ticks along them, stepping
// outward from the origin by the tick spacings, in dark green.
void Showgrid(Context& ctx, const Viewport& view);

}  // namespace plotmere
