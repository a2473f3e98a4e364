#include "app/image/raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace plotmere {

namespace {

// The points whose distance from the line through middle, measured along
// across (a unit vector), is at most half.
struct Band {
    PixelPoint middle, across;
    double half;

    // Where the band crosses the row whose middle is at y, from left to right;
    // it runs along no row.
    std::pair<double, double> row(double y) const {
        const double offset = across.y * (y - middle.y);
        return std::minmax(middle.x + (-half - offset) / across.x, middle.x + (half - offset) / across.x);
    }
};

}  // namespace

Raster::Raster(PixelSize size, Rgb color)
    : size_(size), pixels_(static_cast<std::size_t>(size.width) * size.height, color) {}

void Raster::Fill(Rgb color) { std::fill(pixels_.begin(), pixels_.end(), color); }

void Raster::FillRect(const PixelRect& rect, Rgb color) {
    fillBox({1.0 * rect.x, 1.0 * rect.x + rect.width, 1.0 * rect.y, 1.0 * rect.y + rect.height}, color);
}

void Raster::Stroke(PixelPoint from, PixelPoint to, int width, Rgb color) {
    if (width == 1) thinLine(from, to, color);
    else wideLine(from, to, width, color);
}

// A pixel a column (a row where the line is steeper), taken where the line is
// at the middle of the column where it falls, at its left edge where it rises,
// as Qt's thin lines are; from the column of one end to that of the other.
void Raster::thinLine(PixelPoint from, PixelPoint to, Rgb color) {
    const bool steep = std::abs(to.y - from.y) > std::abs(to.x - from.x);
    if (steep) {
        std::swap(from.x, from.y);
        std::swap(to.x, to.y);
    }
    if (to.x < from.x) std::swap(from, to);
    // Qt steps in 65536ths of a pixel: a slope under one such step is none.
    const double exact = (to.y - from.y) / (to.x - from.x), slope = std::abs(exact) < 0x1p-16 ? 0 : exact;
    const double at = slope > 0 ? 0.5 : 0;
    const PixelSize area = steep ? PixelSize{size_.height, size_.width} : size_;
    const double first = std::max(0.0, std::floor(from.x)),
                 last = std::min(area.width - 1.0, std::floor(to.x));
    for (int i = static_cast<int>(first); i <= last; ++i) {
        const double j = std::floor(from.y + (i + at - from.x) * slope);
        if (!(j >= 0 && j < area.height)) continue;  // off the raster, or no number for ends in one place
        pixels_[steep ? index(static_cast<int>(j), i) : index(i, static_cast<int>(j))] = color;
    }
}

// Within 1/64 of a pixel of a row or a column, a line runs along it, as Qt's
// do; slanted, it covers the pixels whose middles lie in its rectangle, square
// caps and all.
void Raster::wideLine(PixelPoint from, PixelPoint to, int width, Rgb color) {
    constexpr double closeToAxis = 1.0 / 64;
    const double half = width / 2.0;
    const auto [left, right] = std::minmax(from.x, to.x);
    const auto [top, bottom] = std::minmax(from.y, to.y);
    if (bottom - top < closeToAxis)
        return fillBox({left - half, right + half, from.y - half, from.y + half}, color);
    if (right - left < closeToAxis)
        return fillBox({from.x - half, from.x + half, top - half, bottom + half}, color);
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const PixelPoint middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    const PixelPoint along{(to.x - from.x) / length, (to.y - from.y) / length};
    const Band lengthwise{middle, along, length / 2 + half}, crosswise{middle, {-along.y, along.x}, half};
    const double reach = std::abs(along.y) * lengthwise.half + std::abs(along.x) * crosswise.half;
    const auto [first, last] = rows(middle.y - reach, middle.y + reach);
    for (int y = first; y <= last; ++y) {
        const auto [left1, right1] = lengthwise.row(y + 0.5);
        const auto [left2, right2] = crosswise.row(y + 0.5);
        fillRow(y, std::max(left1, left2), std::min(right1, right2), color);
    }
}

// A pixel is in when its middle lies right of the left edge up to the right
// one, below the top edge down to the bottom one, as in Qt's fills.
std::pair<int, int> Raster::rows(double top, double bottom) const {
    return {static_cast<int>(std::max(0.0, std::floor(top + 0.5))),
            static_cast<int>(std::min(size_.height - 1.0, std::floor(bottom - 0.5)))};
}

void Raster::fillBox(const Box& box, Rgb color) {
    const auto [first, last] = rows(box.top, box.bottom);
    for (int y = first; y <= last; ++y) fillRow(y, box.left, box.right, color);
}

void Raster::fillRow(int y, double left, double right, Rgb color) {
    const double last = std::min(size_.width - 1.0, std::floor(right - 0.5));
    for (int x = static_cast<int>(std::max(0.0, std::floor(left + 0.5))); x <= last; ++x)
        pixels_[index(x, y)] = color;
}

}  // namespace plotmere
