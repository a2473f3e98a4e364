#pragma once
// The picture as an SVG document: every point and line drawn since the last
// clear becomes a vector shape in picture units, so that it scales without steps.

#include <QColor>
#include <QImage>

#include "state/drawing.h"

class QIODevice;

namespace plotmere {

// Writes the drawing over the background colour and the start-up picture (when
// there is one); false when the drawing is not complete or cannot be written.
bool WriteSvg(QIODevice& out, const Drawing& drawing, QColor back, const QImage& background);

}  // namespace plotmere
