#include "state/drawing.h"

namespace plotmere {

void Drawing::Clear() {
    shapes_.clear();
    complete_ = true;
}

void Drawing::AddLine(float x1, float y1, float x2, float y2, Rgb color) {
    add({DrawnShape::Kind::Line, color, x1, y1, x2, y2});
}

void Drawing::AddPoint(float x, float y, Rgb color) { add({DrawnShape::Kind::Point, color, x, y, x, y}); }

void Drawing::add(const DrawnShape& shape) {
    if (shapes_.size() < MaxShapes) shapes_.push_back(shape);
    else complete_ = false;
}

}  // namespace plotmere
