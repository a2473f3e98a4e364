#include "app/image/shape_runs.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace plotmere {

namespace {

// The dots of one run, a bit a pixel: a run costs the picture's pixels at
// most, however many points it holds.
class DotRows {
public:
    explicit DotRows(PixelSize size)
        : width_(size.width),
          height_(size.height),
          words_((width_ + 63) / 64),
          bits_(static_cast<std::size_t>(words_) * height_) {}

    void Mark(double x, double y) {
        if (!(x >= 0 && y >= 0 && x < width_ && y < height_)) return;
        const int col = static_cast<int>(x), row = static_cast<int>(y);
        bits_[static_cast<std::size_t>(row) * words_ + col / 64] |= std::uint64_t{1} << (col % 64);
        top_ = std::min(top_, row);
        bottom_ = std::max(bottom_, row);
        first_ = std::min(first_, col / 64);
        last_ = std::max(last_, col / 64);
    }

    // Each row's dots from left to right, dots that touch or overlap joined;
    // leaves no dot marked.
    void Drain(int dot, RunWriter& writer) {
        for (int row = top_; row <= bottom_; ++row) drainRow(row, dot, writer);
        top_ = first_ = INT_MAX;
        bottom_ = last_ = -1;
    }

private:
    void drainRow(int row, int dot, RunWriter& writer) {
        std::uint64_t* words = &bits_[static_cast<std::size_t>(row) * words_];
        int start = 0, end = 0;  // a span ends a dot past its start: none yet while end is 0
        for (int w = first_; w <= last_; ++w) {
            for (; words[w] != 0; words[w] &= words[w] - 1) {
                const int col = w * 64 + std::countr_zero(words[w]);
                if (col > end) {
                    if (end > 0) writer.AddSpan({start, row, end - start});
                    start = col;
                }
                end = col + dot;
            }
        }
        if (end > 0) writer.AddSpan({start, row, end - start});
    }

    int width_, height_, words_;
    std::vector<std::uint64_t> bits_;
    int top_ = INT_MAX, bottom_ = -1, first_ = INT_MAX, last_ = -1;
};

double magnitude(PixelPoint p) { return std::max(std::abs(p.x), std::abs(p.y)); }

// The box around the picture that lines are clipped to.
struct Box {
    double left, right, top, bottom;
};

// The part of the segment inside the box, if any (Liang and Barsky's clip).
// Worked out from the end nearer the picture, as a far end has too few digits
// left for a point near it, and on the edge that cuts it exactly; ends inside
// stay as they were.
std::optional<Segment> clipped(PixelPoint a, PixelPoint b, const Box& box) {
    const bool swapped = magnitude(b) < magnitude(a);
    if (swapped) std::swap(a, b);
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
    const double edge[] = {box.left, box.right, box.top, box.bottom};
    double t[] = {0, 1};
    int cut[] = {-1, -1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0 && q[i] < 0) return std::nullopt;
        const int end = p[i] < 0 ? 0 : 1;  // where the line enters, where it leaves
        if (p[i] != 0 && (end == 0 ? q[i] / p[i] > t[0] : q[i] / p[i] < t[1])) {
            t[end] = q[i] / p[i];
            cut[end] = i;
        }
    }
    if (t[0] > t[1]) return std::nullopt;
    const auto at = [&](int end) {
        if (cut[end] < 0) return end == 0 ? a : b;
        PixelPoint point{a.x + dx * t[end], a.y + dy * t[end]};
        (cut[end] < 2 ? point.x : point.y) = edge[cut[end]];
        return point;
    };
    return swapped ? Segment{at(1), at(0)} : Segment{at(0), at(1)};
}

using Shapes = std::vector<DrawnShape>::const_iterator;

void replayPoints(Shapes from, Shapes to, const PixelGrid& grid, DotRows& dots, RunWriter& writer) {
    for (auto shape = from; shape != to; ++shape) dots.Mark(grid.pixel(shape->x1), grid.pixel(shape->y1));
    writer.BeginRun(DrawnShape::Kind::Point, from->color);
    dots.Drain(grid.dot(), writer);
    writer.EndRun();
}

void replayLines(Shapes from, Shapes to, const PixelGrid& grid, RunWriter& writer) {
    bool begun = false;
    for (auto shape = from; shape != to; ++shape) {
        auto segment = ClippedLine(*shape, grid);
        if (!segment) continue;
        // A stroke of no length shows nothing in a PDF and in many SVG viewers.
        if (segment->from == segment->to) segment->to.x += 0.1;
        if (!std::exchange(begun, true)) writer.BeginRun(DrawnShape::Kind::Line, shape->color);
        writer.AddSegment(*segment);
    }
    if (begun) writer.EndRun();
}

}  // namespace

std::optional<Segment> ClippedLine(const DrawnShape& line, const PixelGrid& grid) {
    const double margin = 2 * grid.dot();
    const PixelSize size = grid.size();
    return clipped(grid.lineEnd(line.x1, line.y1), grid.lineEnd(line.x2, line.y2),
                   {-margin, size.width + margin, -margin, size.height + margin});
}

void ReplayRuns(const Drawing& drawing, const PixelGrid& grid, RunWriter& writer) {
    DotRows dots(grid.size());
    const std::vector<DrawnShape>& shapes = drawing.Shapes();
    for (auto run = shapes.begin(); run != shapes.end();) {
        const auto end = std::find_if(run, shapes.end(), [&](const DrawnShape& shape) {
            return shape.kind != run->kind || shape.color != run->color;
        });
        if (run->kind == DrawnShape::Kind::Point) replayPoints(run, end, grid, dots, writer);
        else replayLines(run, end, grid, writer);
        run = end;
    }
}

}  // namespace plotmere
