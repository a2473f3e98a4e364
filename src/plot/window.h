#pragma once
// The viewing window: reading and checking its bounds and ranges.

#include "state/context.h"

namespace plotmere {

class Evaluator;

// Reads the four bound boxes and the Settings boxes into the window of the
// state, returned, and reports an empty or inverted window (setting
// ScriptError and CriticalError). Stores every value, invalid ones included.
const Viewport& DimWin(Context& ctx, Evaluator& ev);

}  // namespace plotmere
