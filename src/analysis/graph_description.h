#pragma once
// The picture in words, for those who cannot see it: what a screen reader
// says of the graph.

#include <string>

#include "state/console_state.h"

namespace plotmere {

// "x from -10 to 10, y from -10 to 10", the window as last read, with the
// digits that tell the picture's pixels apart; then, when curves were graphed
// since the picture was last cleared, how many and how ("3 functions,
// Cartesian"). Empty until a window was read that can be drawn.
std::string GraphDescription(const ConsoleState& s);

}  // namespace plotmere
