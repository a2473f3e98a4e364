#pragma once
// The viewing window: reading and checking its bounds and ranges, and the
// mapping from world coordinates onto the picture.

#include "expr/evaluator.h"
#include "state/context.h"

namespace plotmere {

// Reads the four bound boxes and the Settings boxes into the window variables
// and reports an empty or inverted window (setting ScriptError and
// CriticalError). Stores every value, invalid ones included.
void DimWin(Context& ctx, Evaluator& ev);

double MapToPicX(const Context& ctx, double x);
double MapToPicY(const Context& ctx, double y);

}  // namespace plotmere
