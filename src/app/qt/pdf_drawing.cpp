#include "app/qt/pdf_drawing.h"

#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <vector>

#include "app/image/shape_runs.h"
#include "app/qt/qt_pixels.h"

namespace plotmere {

namespace {

// Shapes a painter call at a time, a piece of a run at most, so that a long run
// costs a bounded buffer beside the page that the PDF engine keeps.
class PdfRuns : public RunWriter {
public:
    PdfRuns(QPainter& painter, int dot) : painter_(painter), dot_(dot) {}

    void BeginRun(DrawnShape::Kind kind, Rgb color) override {
        const QColor c(color.r, color.g, color.b);
        if (kind == DrawnShape::Kind::Point) {
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(c);
        } else {
            painter_.setPen(QPen(c, dot_, Qt::SolidLine, Qt::SquareCap));
            painter_.setBrush(Qt::NoBrush);
        }
    }
    void AddSpan(const DotSpan& span) override {
        spans_.emplace_back(span.x, span.y, span.width, dot_);
        if (spans_.size() == Piece) flush();
    }
    void AddSegment(const Segment& segment) override {
        lines_.emplace_back(ToQPointF(segment.from), ToQPointF(segment.to));
        if (lines_.size() == Piece) flush();
    }
    void EndRun() override { flush(); }

private:
    void flush() {
        painter_.drawRects(spans_.data(), static_cast<int>(spans_.size()));
        painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
        spans_.clear();
        lines_.clear();
    }

    static constexpr std::size_t Piece = 4096;
    QPainter& painter_;
    int dot_;
    std::vector<QRectF> spans_;
    std::vector<QLineF> lines_;
};

}  // namespace

// A pixel of the picture is a pixel of a 96 dpi page; the page takes whole
// points, so it may be up to a point wider or higher, in the background colour.
bool WritePdf(QIODevice& out, const Drawing& drawing, const PixelGrid& grid, QColor back,
              const QImage& startup) {
    constexpr double pointsPerPixel = 72.0 / 96;
    const QSizeF size(ToQSize(grid.size()));
    QPdfWriter pdf(&out);
    pdf.setTitle("Plotmere picture");
    pdf.setCreator("Plotmere");
    pdf.setResolution(96);
    pdf.setPageMargins(QMarginsF());
    const QSize points(static_cast<int>(std::ceil(size.width() * pointsPerPixel)),
                       static_cast<int>(std::ceil(size.height() * pointsPerPixel)));
    pdf.setPageSize(QPageSize(points, QString(), QPageSize::ExactMatch));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    painter.fillRect(QRectF(QPointF(0, 0), size + QSizeF(1, 1)), back);
    if (!startup.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), startup.deviceIndependentSize() * grid.scale()), startup);
    PdfRuns runs(painter, grid.dot());
    ReplayRuns(drawing, grid, runs);
    return painter.end();
}

}  // namespace plotmere
