#pragma once
// The zoom box: two presses on the picture mark opposite corners of a new
// window, which is redrawn when the GfxSpeed timer fires.

#include "state/context.h"

namespace plotmere {

class Evaluator;

// A press at picture coordinates (u, v); every button acts the same.
void Picture1_MouseDown(Context& ctx, Evaluator& ev, float u, float v);

}  // namespace plotmere
