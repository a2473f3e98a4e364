#pragma once
// The readout beside the pointer over the picture: the world coordinates under
// it, as the zoom box would read a press there.

#include <optional>
#include <string>
#include <utility>

#include "state/console_state.h"

namespace plotmere {

// The world width and height of one pixel at scale device pixels to a pixel of
// the nominal picture; none until a window was read whose pixels can be told
// apart (not too wide, not too narrow).
std::optional<std::pair<double, double>> PixelSteps(const Viewport& view, double scale);

// "x = 1.23  y = -0.68", and in Polar mode "  r = 1.41  θ = 5.77" after it (θ
// in the angle unit, from 0 up to a full turn), for the point (u, v) in picture
// units. Each number has the digits that tell neighbouring pixels apart at scale
// device pixels to a pixel of the nominal picture. Empty until a window was
// read that can be drawn.
std::optional<std::string> PointerReadout(const ConsoleState& s, float u, float v, double scale);

}  // namespace plotmere
