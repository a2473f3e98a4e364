#pragma once
// What a picture drew since it was last cleared, shape by shape and in picture
// units, so that it can be drawn again: at another scale, or as vector shapes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "state/picture.h"

namespace plotmere {

struct DrawnShape {
    enum class Kind : std::uint8_t { Line, Point };
    Kind kind;
    Rgb color;
    float x1, y1;
    float x2, y2;  // a point's are its own
};

class Drawing {
public:
    // A fine polar step sets millions of points; past this many shapes the
    // drawing stops keeping them rather than grow without bound.
    static constexpr std::size_t MaxShapes = 1'000'000;

    void Clear();
    void AddLine(float x1, float y1, float x2, float y2, Rgb color);
    void AddPoint(float x, float y, Rgb color);

    // False once a shape was left out.
    bool Complete() const { return complete_; }
    const std::vector<DrawnShape>& Shapes() const { return shapes_; }

private:
    void add(const DrawnShape& shape);

    std::vector<DrawnShape> shapes_;
    bool complete_ = true;
};

}  // namespace plotmere
