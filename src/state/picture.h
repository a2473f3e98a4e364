#pragma once
// The drawing surface of the graph. Coordinates are picture units (twips),
// origin top-left, y downward.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace plotmere {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// The nominal drawing area, in picture units.
inline constexpr double PictureWidth = 4110;
inline constexpr double PictureHeight = 1850;
// Twips to a pixel at 100 %: of the picture (274 x 123 pixels) and of the
// windows, whose designs are in twips too.
inline constexpr double UnitsPerPixel = 15;

// The standard sixteen-colour palette.
Rgb QBColor(int index);

// The picture's foreground colour, for points set without a colour of their own.
inline constexpr Rgb ForeColor{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};

// Coordinates reach the picture as single-precision numbers. Beyond that range
// they stay at its edge, far outside the picture either way.
inline float ToSingle(double v) {
    if (std::isnan(v)) return std::numeric_limits<float>::quiet_NaN();
    constexpr double max = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(v, -max, max));
}

// Where a point is set: the drawing area, its far edges left out.
inline bool OnPicture(float x, float y) { return x >= 0 && y >= 0 && x < PictureWidth && y < PictureHeight; }
// A line is drawn only between ends that are numbers, however far.
inline bool FiniteEnds(float x1, float y1, float x2, float y2) {
    return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
}

// How a save ended; every way but Saved leaves any old file as it was.
enum class SaveResult {
    Saved,
    Failed,
    PermissionDenied,
    NoSuchFolder,
    ReadOnlyFolder,
    DiskFull,
    NotEncoded,
    TooManyShapes
};

// Why a save failed, in the user's words; empty when it did not, or when no
// reason is known.
std::string SaveFailureReason(SaveResult result);

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
    // Writes the picture as drawn to a file in the format its extension names:
    // PNG, JPEG, SVG or PDF, a Windows bitmap for any other. Whole or not at all.
    virtual SaveResult Save(const std::string& path) = 0;
};

}  // namespace plotmere
