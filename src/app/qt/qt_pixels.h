#pragma once
// The pixel grid's places and sizes as Qt's.

#include <QPointF>
#include <QRect>
#include <QSize>

#include "app/image/pixel_grid.h"

namespace plotmere {

inline QSize ToQSize(PixelSize size) { return {size.width, size.height}; }
inline QPointF ToQPointF(PixelPoint point) { return {point.x, point.y}; }
inline QRect ToQRect(const PixelRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

}  // namespace plotmere
