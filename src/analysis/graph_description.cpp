#include "analysis/graph_description.h"

#include <limits>

#include "analysis/pointer_readout.h"
#include "expr/number_text.h"

namespace plotmere {

namespace {

// By the index of GraphMode.
constexpr const char* CurveKinds[] = {"Cartesian", "Polar", "Parametric"};

std::string span(const char* axis, double from, double to, double step) {
    return std::string(axis) + " from " + FormatToStep(from, step) + " to " + FormatToStep(to, step);
}

// The window the four boxes hold, each a number or not; what a first graph
// would be drawn in.
Viewport windowInBoxes(const ConsoleState& s) {
    const auto number = [](const TextBox& box) {
        return ParseNumber(box.Text).value_or(std::numeric_limits<double>::quiet_NaN());
    };
    Viewport view{
        .XMin = number(s.Text4), .XMax = number(s.Text3), .YMin = number(s.Text6), .YMax = number(s.Text5)};
    view.domain = view.XMax - view.XMin;
    view.range = view.YMax - view.YMin;
    return view;
}

}  // namespace

std::string GraphDescription(const ConsoleState& s) {
    std::string words;
    const auto add = [&words](const std::string& part) { words += (words.empty() ? "" : ", ") + part; };
    const Viewport view = PixelSteps(s.view, 1) ? s.view : windowInBoxes(s);
    if (const auto steps = PixelSteps(view, 1)) {
        add(span("x", view.XMin, view.XMax, steps->first));
        add(span("y", view.YMin, view.YMax, steps->second));
    }
    if (const int curves = s.Graphed.count; curves > 0) {
        add(std::to_string(curves) + (curves == 1 ? " function" : " functions"));
        add(CurveKinds[s.Graphed.mode]);
    }
    if (s.StartupPictureShown) add("start-up picture");
    return words;
}

}  // namespace plotmere
