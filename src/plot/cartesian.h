#pragma once
// Cartesian graphs: one point per picture unit across the window.

#include <string>

#include "state/context.h"

namespace plotmere {

class Evaluator;

// The status of every sweep that draws while it runs, and when an unbalanced
// parenthesis stopped it.
inline constexpr const char* GraphingStatus = "Graphing function...";
inline constexpr const char* GraphingStoppedStatus = "Critical graphing error.";

// Draws y = fstr(x) across the window in QBColor(GraphingColor), over the
// axes when they are switched on. Stops at an unbalanced parenthesis.
void Graph(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr);

// Repairs the column at world x after the guess line has left it: paints the
// column white and sets the function's point there again.
void ReDraw(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr, double x);

// A picture coordinate far off the picture (below -100,000 or above
// 1,000,000) becomes 0: such a point is drawn on the top or left edge.
double EdgeIfFarOff(double p);

}  // namespace plotmere
