#pragma once
// The picture as an SVG document: one element a run of shapes, with its style
// once, on the pixels the bitmap of the same scale has them; written as it goes.

#include <optional>
#include <string>

#include "app/image/byte_sink.h"
#include "app/image/pixel_grid.h"
#include "state/drawing.h"

namespace plotmere {

// A picture under the drawing, already a PNG in base 64 (which only a toolkit
// encodes), and the size it is shown at.
struct EmbeddedPng {
    long long width = 0, height = 0;
    std::string base64;
};

// Writes the drawing over the background colour and the start-up picture;
// false when a write fell short.
bool WriteSvg(ByteSink& out, const Drawing& drawing, const PixelGrid& grid, Rgb back,
              const std::optional<EmbeddedPng>& startup);

}  // namespace plotmere
