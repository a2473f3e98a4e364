#pragma once
// The definite integral over the window: rectangles one picture unit wide,
// each sample marked with a dark red dot.

#include <optional>
#include <string>

#include "state/context.h"

namespace plotmere {

class Evaluator;

// Sums step * f(x) for x = XMin, XMin + step, ... up to XMax (4111 samples when
// the steps add up exactly), shows the sum in Result and returns it. Empty
// when a sample fails to evaluate: such an integral has no number.
std::optional<double> Antiderivative(Context& ctx, Evaluator& ev, const std::string& fstr);

}  // namespace plotmere
