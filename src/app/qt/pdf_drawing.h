#pragma once
// The picture as a PDF document: one page of the picture's size, the shapes as
// vector paths on the same pixels as the SVG, one fill or stroke a run.

#include <QColor>
#include <QImage>

#include "app/image/pixel_grid.h"
#include "state/drawing.h"

class QIODevice;

namespace plotmere {

// Writes the drawing over the background colour and the start-up picture (when
// there is one); false when the PDF engine fails. It does not look whether the
// device took every write: that is the device's to tell (see CheckedWrites).
bool WritePdf(QIODevice& out, const Drawing& drawing, const PixelGrid& grid, QColor back,
              const QImage& startup);

}  // namespace plotmere
