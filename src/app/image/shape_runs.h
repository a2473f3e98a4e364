#pragma once
// The drawing as the vector formats replay it. Shapes of one kind and colour
// drawn one after another form a run, which a format draws as one element: a
// run of points as rows of dots (each dot once, touching dots joined into
// spans), a run of lines as its segments, clipped close around the picture so
// that a far end stays a small number. Runs keep their order, so that what
// lies over what stays as on the bitmap.

#include <optional>

#include "app/image/pixel_grid.h"
#include "state/drawing.h"

namespace plotmere {

// A row of dots in pixels: from x, width pixels wide, the grid's dot high.
struct DotSpan {
    int x, y, width;
};

// A line in pixels, between the middles of its end dots (or where it leaves
// the margin around the picture).
struct Segment {
    PixelPoint from, to;
};

// A line between the middles of its end dots, clipped two dots around the
// picture, where no cap reaches into it; none when it passes outside.
std::optional<Segment> ClippedLine(const DrawnShape& line, const PixelGrid& grid);

class RunWriter {
public:
    virtual ~RunWriter() = default;
    virtual void BeginRun(DrawnShape::Kind kind, Rgb color) = 0;
    virtual void AddSpan(const DotSpan& span) = 0;
    virtual void AddSegment(const Segment& segment) = 0;
    virtual void EndRun() = 0;
};

// Hands every run that shows on the grid to the writer, in drawing order.
void ReplayRuns(const Drawing& drawing, const PixelGrid& grid, RunWriter& writer);

}  // namespace plotmere
