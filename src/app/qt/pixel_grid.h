#pragma once
// Where the picture's shapes land on the pixels of an image at a scale. Every
// format replays the drawing on this grid, so that a file of any kind shows
// each shape on the very pixels the bitmap has it on.

#include <QPointF>
#include <QSize>
#include <algorithm>
#include <cmath>

#include "state/picture.h"

namespace plotmere {

class PixelGrid {
public:
    // scale: image pixels per pixel of the nominal picture.
    explicit PixelGrid(double scale)
        : scale_(scale),
          perUnit_(scale / UnitsPerPixel),
          dot_(std::max(1, static_cast<int>(std::lround(scale)))) {}

    // Every pixel the drawing area touches, the partly covered last row too.
    QSize size() const {
        return QSize(static_cast<int>(std::ceil(PictureWidth / UnitsPerPixel * scale_)),
                     static_cast<int>(std::ceil(PictureHeight / UnitsPerPixel * scale_)));
    }
    double scale() const { return scale_; }
    // A point covers a square of dot() x dot() pixels from the pixel its corner is in.
    int dot() const { return dot_; }
    double pixel(float v) const { return std::floor(v * perUnit_); }
    // A line runs through the middles of the dots at its ends, as wide as a dot,
    // so that it covers the pixels of the points set along it.
    QPointF lineEnd(float x, float y) const { return QPointF(pixel(x), pixel(y)) + QPointF(dot_, dot_) / 2; }

private:
    double scale_;
    double perUnit_;
    int dot_;
};

}  // namespace plotmere
