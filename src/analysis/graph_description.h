#pragma once
// The picture in words, for those who cannot see it: what a screen reader
// says of the graph.

#include <string>

#include "state/console_state.h"

namespace plotmere {

// "x from -10 to 10, y from -10 to 10", the window as last read (until one
// that can be drawn is read, the one the boxes hold, when they hold numbers),
// with the digits that tell the picture's pixels apart; then, when curves were
// graphed since the picture was last cleared, how many and how ("3 functions,
// Cartesian"); last, while it shows, "start-up picture".
std::string GraphDescription(const ConsoleState& s);

}  // namespace plotmere
