#include "analysis/graph_description.h"

#include "analysis/pointer_readout.h"
#include "expr/number_text.h"

namespace plotmere {

namespace {

// By the index of GraphMode.
constexpr const char* CurveKinds[] = {"Cartesian", "Polar", "Parametric"};

std::string span(const char* axis, double from, double to, double step) {
    return std::string(axis) + " from " + FormatToStep(from, step) + " to " + FormatToStep(to, step);
}

}  // namespace

std::string GraphDescription(const ConsoleState& s) {
    const Viewport& view = s.view;
    const auto steps = PixelSteps(view, 1);
    if (!steps) return {};
    std::string words =
        span("x", view.XMin, view.XMax, steps->first) + ", " + span("y", view.YMin, view.YMax, steps->second);
    const int curves = s.Graphed.count;
    if (curves == 0) return words;
    words += ", " + std::to_string(curves) + (curves == 1 ? " function, " : " functions, ");
    return words + CurveKinds[s.Graphed.mode];
}

}  // namespace plotmere
