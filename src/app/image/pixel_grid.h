#pragma once
// Where the picture's shapes land on the pixels of an image at a scale. Every
// format replays the drawing on this grid, so that a file of any kind shows
// each shape on the very pixels the bitmap has it on.

#include <algorithm>
#include <cmath>

#include "state/picture.h"

namespace plotmere {

// A place in pixels from the image's top left corner.
struct PixelPoint {
    double x = 0, y = 0;
    friend bool operator==(PixelPoint, PixelPoint) = default;
};

struct PixelSize {
    int width = 0, height = 0;
};

// width x height pixels from the pixel (x, y).
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};

class PixelGrid {
public:
    // scale: image pixels per pixel of the nominal picture.
    explicit PixelGrid(double scale)
        : scale_(scale),
          perUnit_(scale / UnitsPerPixel),
          dot_(std::max(1, static_cast<int>(std::lround(scale)))) {}

    // Every pixel the drawing area touches, the partly covered last row too.
    PixelSize size() const {
        return {static_cast<int>(std::ceil(PictureWidth / UnitsPerPixel * scale_)),
                static_cast<int>(std::ceil(PictureHeight / UnitsPerPixel * scale_))};
    }
    double scale() const { return scale_; }
    // A point covers a square of dot() x dot() pixels from the pixel its corner is in.
    int dot() const { return dot_; }
    double pixel(float v) const { return std::floor(v * perUnit_); }
    // The square of a point; one far outside the image stays just outside it,
    // so that its corner still fits an int.
    PixelRect dotAt(float x, float y) const {
        const PixelSize area = size();
        return {static_cast<int>(std::clamp(pixel(x), -1.0 * dot_, 1.0 * area.width)),
                static_cast<int>(std::clamp(pixel(y), -1.0 * dot_, 1.0 * area.height)), dot_, dot_};
    }
    // A line runs through the middles of the dots at its ends, as wide as a dot,
    // so that it covers the pixels of the points set along it.
    PixelPoint lineEnd(float x, float y) const { return {pixel(x) + dot_ / 2.0, pixel(y) + dot_ / 2.0}; }

private:
    double scale_;
    double perUnit_;
    int dot_;
};

}  // namespace plotmere
