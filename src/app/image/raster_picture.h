#pragma once
// The picture without a toolkit, for a build that has none: drawn in picture
// units onto a raster through a scale, as the image picture draws its image,
// and saved as a Windows bitmap or an SVG.

#include <string>

#include "app/image/pixel_grid.h"
#include "app/image/raster.h"
#include "state/drawing.h"
#include "state/picture.h"

namespace plotmere {

class RasterPicture : public Picture {
public:
    // scale: device pixels per pixel of the nominal picture, the files' too.
    explicit RasterPicture(double scale = 1);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Rgb color) override;
    void PSet(float x, float y, Rgb color) override;
    void SetBackColor(Rgb color) override;
    void ClearBackgroundPicture() override {}
    // A bitmap for any name but an SVG's; PNG, JPEG and PDF are NotEncoded.
    SaveResult Save(const std::string& path) override;

    const Raster& raster() const { return raster_; }
    // Draws the picture again at another scale, from what it drew.
    void Rescale(double scale);

private:
    void draw(const DrawnShape& shape);

    PixelGrid grid_;
    Rgb back_ = White;
    Raster raster_;
    Drawing drawing_;
};

}  // namespace plotmere
