#pragma once
// The drawing surface of the graph. Coordinates are picture units (twips):
// the nominal drawing area is 4110 x 1850, origin top-left, y downward.

#include <cstdint>

namespace plotmere {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// The standard sixteen-colour palette.
Rgb QBColor(int index);

class Picture {
public:
    virtual ~Picture() = default;

    virtual void Cls() = 0;
    virtual void Line(float x1, float y1, float x2, float y2, Rgb color) = 0;
    virtual void PSet(float x, float y, Rgb color) = 0;
    // Setting the background colour also erases the picture.
    virtual void SetBackColor(Rgb color) = 0;
    // Removes the start-up picture shown under the drawing.
    virtual void ClearBackgroundPicture() = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
};

}  // namespace plotmere
