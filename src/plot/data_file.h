#pragma once
// Data files: pairs of numbers drawn as a polyline.

#include <string>

#include "state/context.h"

namespace plotmere {

class Evaluator;

// A command beginning "@P" names a data file between its first seven and its
// last two characters, as in @Plot("data.txt"); other commands do nothing.
void PlotFileCommand(Context& ctx, Evaluator& ev, const std::string& command);

// Draws the file's (x, y) pairs as a polyline in QBColor(GraphingColor),
// keeping the segments whose end lies strictly inside the window.
void PlotDataFile(Context& ctx, Evaluator& ev, const std::string& name);

}  // namespace plotmere
