#pragma once
// The viewing window as DimWin reads it from the boxes, and the mapping
// between its world coordinates and the picture.

#include "state/picture.h"

namespace plotmere {

struct Viewport {
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0, domain = 0, range = 0;
    double XTick = 0, YTick = 0;
    double TMin = 0, TMax = 0, TStep = 0, TRange = 0;
    double PMin = 0, PMax = 0, PStep = 0;

    // Not clipped: a point outside the window maps outside the picture. The
    // order of the operations is part of the drawing; pictures are compared
    // bit for bit.
    double toPictureX(double x) const { return PictureWidth * (x - XMin) / domain; }
    double toPictureY(double y) const { return PictureHeight - PictureHeight * (y - YMin) / range; }

    // The quotients are single precision, as picture coordinates are.
    double fromPictureX(float u) const { return XMin + domain * (u / static_cast<float>(PictureWidth)); }
    double fromPictureY(float v) const {
        const auto height = static_cast<float>(PictureHeight);
        return YMin + range * ((height - v) / height);
    }

    // The world width of one picture unit: the step of the sweeps and searches.
    double sampleStep() const { return domain / PictureWidth; }
};

}  // namespace plotmere
