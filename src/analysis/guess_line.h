#pragma once

#include "state/context.h"

namespace plotmere {

// Draws the dark blue guess line at world x = guess, over whatever is drawn,
// with the window DimWin last read.
void DrawGuess(Context& ctx, double guess);

}  // namespace plotmere
