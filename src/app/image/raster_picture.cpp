#include "app/image/raster_picture.h"

#include "app/image/bmp_file.h"
#include "app/image/shape_runs.h"
#include "app/image/svg_drawing.h"
#include "app/image/whole_file.h"
#include "state/picture_formats.h"

namespace plotmere {

// No start-up picture: its text takes fonts that a build without a toolkit
// does not have, so the picture starts cleared.
RasterPicture::RasterPicture(double scale) : grid_(scale), raster_(grid_.size(), back_) {}

void RasterPicture::Cls() {
    drawing_.Clear();
    raster_.Fill(back_);
}

void RasterPicture::Line(float x1, float y1, float x2, float y2, Rgb color) {
    if (!FiniteEnds(x1, y1, x2, y2)) return;
    drawing_.AddLine(x1, y1, x2, y2, color);
    draw({DrawnShape::Kind::Line, color, x1, y1, x2, y2});
}

void RasterPicture::PSet(float x, float y, Rgb color) {
    if (!OnPicture(x, y)) return;
    drawing_.AddPoint(x, y, color);
    draw({DrawnShape::Kind::Point, color, x, y, x, y});
}

// A line of no length is its end dot.
void RasterPicture::draw(const DrawnShape& shape) {
    const auto [kind, color, x1, y1, x2, y2] = shape;
    if (kind == DrawnShape::Kind::Point || grid_.lineEnd(x1, y1) == grid_.lineEnd(x2, y2))
        return raster_.FillRect(grid_.dotAt(x1, y1), color);
    if (const auto segment = ClippedLine(shape, grid_))
        raster_.Stroke(segment->from, segment->to, grid_.dot(), color);
}

void RasterPicture::Rescale(double scale) {
    grid_ = PixelGrid(scale);
    raster_ = Raster(grid_.size(), back_);
    for (const DrawnShape& shape : drawing_.Shapes()) draw(shape);
}

void RasterPicture::SetBackColor(Rgb color) {
    back_ = color;
    Cls();
}

SaveResult RasterPicture::Save(const std::string& path) {
    switch (FormatOf(path)) {
        case FileFormat::Bmp: return WriteWholeFile(path, [&](ByteSink& out) { WriteBmp(out, raster_); });
        case FileFormat::Svg:
            if (!drawing_.Complete()) return SaveResult::TooManyShapes;
            return WriteWholeFile(path, [&](ByteSink& out) { WriteSvg(out, drawing_, grid_, back_, {}); });
        default: return SaveResult::NotEncoded;  // Qt's encoders write these
    }
}

}  // namespace plotmere
