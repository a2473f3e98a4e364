#pragma once
// The picture's pixels without a toolkit, drawn as Qt's raster engine draws
// them without antialiasing: shapes along the axes on the very same pixels,
// slanted lines within a pixel of Qt's.

#include <utility>
#include <vector>

#include "app/image/pixel_grid.h"

namespace plotmere {

class Raster {
public:
    Raster(PixelSize size, Rgb color);

    PixelSize size() const { return size_; }
    Rgb at(int x, int y) const { return pixels_[index(x, y)]; }

    void Fill(Rgb color);
    // Only the part on the raster.
    void FillRect(const PixelRect& rect, Rgb color);
    // A line of square caps, width pixels wide, from the middle of one end to
    // the other.
    void Stroke(PixelPoint from, PixelPoint to, int width, Rgb color);

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * size_.width + x; }
    struct Box {
        double left, right, top, bottom;
    };

    void thinLine(PixelPoint from, PixelPoint to, Rgb color);
    void wideLine(PixelPoint from, PixelPoint to, int width, Rgb color);
    // The rows on the raster from top to bottom, the columns of row y from left
    // to right, the pixels of a box.
    std::pair<int, int> rows(double top, double bottom) const;
    void fillRow(int y, double left, double right, Rgb color);
    void fillBox(const Box& box, Rgb color);

    PixelSize size_;
    std::vector<Rgb> pixels_;
};

}  // namespace plotmere
