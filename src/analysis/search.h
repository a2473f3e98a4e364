#pragma once
// Root, minimum and maximum by one pass of 500 samples around the guess line,
// spaced one picture unit apart.

#include <optional>
#include <string>
#include <vector>

#include "state/context.h"

namespace plotmere {

class Evaluator;

struct Scored {
    double x;
    double score;
};

// The x of the lowest score; ties go to the earliest (leftmost) sample.
// Empty for an empty table.
std::optional<double> FindLowest(const std::vector<Scored>& group);

// The sample with the smallest |f(x)|, in the window its caller's DimWin read.
// A sample whose evaluation fails takes no part; empty when none is left or an
// unbalanced parenthesis stopped the search.
std::optional<double> FindRoot(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr,
                               double guess);
// The sample with the smallest f(x); reads the window first.
std::optional<double> LocMin(Context& ctx, Evaluator& ev, const std::string& fstr, double guess);
// The sample with the largest f(x); reads the window first.
std::optional<double> LocMax(Context& ctx, Evaluator& ev, const std::string& fstr, double guess);

}  // namespace plotmere
