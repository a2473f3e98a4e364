#pragma once

#include "state/context.h"

namespace plotmere {

// Draws the dark blue guess line at world x = guess, over whatever is drawn.
void DrawGuess(Context& ctx, const Viewport& view, double guess);

}  // namespace plotmere
