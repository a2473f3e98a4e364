#pragma once
// Polar and parametric curves: unconnected points over the Settings ranges.

#include <string>

#include "state/context.h"

namespace plotmere {

class Evaluator;

// r = fstr(theta), theta from TMin to TMax by TStep / 5000; x in fstr is theta.
void PolarGraph(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr);

// A pair text "(xexpr,yexpr)", t from PMin to PMax by PStep / 5000; x in both
// halves is t. Without a comma: "No comma!" and every error flag set.
void ParamGraph(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr);

}  // namespace plotmere
