#pragma once
// The picture as an SVG document: one element a run of shapes, with its style
// once, on the pixels the bitmap of the same scale has them; written as it goes.

#include <QColor>
#include <QImage>

#include "app/qt/pixel_grid.h"
#include "state/drawing.h"

class QIODevice;

namespace plotmere {

// Writes the drawing over the background colour and the start-up picture (when
// there is one); false when it cannot be written.
bool WriteSvg(QIODevice& out, const Drawing& drawing, const PixelGrid& grid, QColor back,
              const QImage& startup);

}  // namespace plotmere
