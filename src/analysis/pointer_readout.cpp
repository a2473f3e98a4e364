#include "analysis/pointer_readout.h"

#include <algorithm>
#include <cmath>

#include "expr/arithmetic.h"
#include "expr/elementary.h"
#include "expr/number_text.h"

namespace plotmere {

namespace {

// Neighbours one pixel apart along the radius differ in r by the finer of the
// two pixel steps, and in θ by that step seen from the origin. From the x and
// y as shown, so that the four numbers agree.
std::string polarPart(double x, double y, double step, bool degrees) {
    using arithmetic::fromRadians, arithmetic::pi;
    const double turn = fromRadians(2 * pi, degrees);
    const double r = elementary::hypot(x, y);
    double theta = fromRadians(elementary::atan2(y, x), degrees);
    if (theta < 0) theta += turn;
    // At the origin every angle is as good as another.
    theta = RoundToStep(theta, std::min(fromRadians(step / r, degrees), turn));
    if (theta >= turn) theta = 0;  // rounded up to a full turn
    return "  r = " + FormatToStep(r, step) + "  θ = " + FormatPlain(theta);
}

}  // namespace

std::optional<std::pair<double, double>> PixelSteps(const Viewport& view, double scale) {
    const double unitsPerPixel = UnitsPerPixel / scale;
    const double stepX = view.domain / PictureWidth * unitsPerPixel;
    const double stepY = view.range / PictureHeight * unitsPerPixel;
    if (!(std::isnormal(stepX) && stepX > 0 && std::isnormal(stepY) && stepY > 0)) return std::nullopt;
    return std::pair{stepX, stepY};
}

std::optional<std::string> PointerReadout(const ConsoleState& s, float u, float v, double scale) {
    const Viewport& view = s.view;
    const auto steps = PixelSteps(view, scale);
    if (!steps) return std::nullopt;
    const auto [stepX, stepY] = *steps;
    const double x = RoundToStep(view.fromPictureX(u), stepX), y = RoundToStep(view.fromPictureY(v), stepY);
    std::string text = "x = " + FormatPlain(x) + "  y = " + FormatPlain(y);
    if (s.GraphMode.Selected == 1) text += polarPart(x, y, std::min(stepX, stepY), s.InDegrees());
    return text;
}

}  // namespace plotmere
