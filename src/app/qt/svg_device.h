#pragma once
// The SVG writer on a Qt device, with the start-up picture encoded as a PNG.

#include <QColor>
#include <QImage>

#include "app/image/pixel_grid.h"
#include "state/drawing.h"

class QIODevice;

namespace plotmere {

// Writes the drawing over the background colour and the start-up picture (when
// there is one); false when it cannot be written.
bool WriteSvg(QIODevice& out, const Drawing& drawing, const PixelGrid& grid, QColor back,
              const QImage& startup);

}  // namespace plotmere
