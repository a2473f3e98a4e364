#include "app/qt/svg_drawing.h"

#include <QPainter>
#include <QSvgGenerator>

#include "app/qt/image_picture.h"

namespace plotmere {

// A point covers one pixel of the nominal picture from its corner on; a line
// runs through the middle of the points at its ends, as on the image.
bool WriteSvg(QIODevice& out, const Drawing& drawing, QColor back, const QImage& background) {
    if (!drawing.Complete()) return false;
    constexpr double dot = ImagePicture::UnitsPerPixel, half = dot / 2;
    const QRectF area(0, 0, PictureWidth, PictureHeight);
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setTitle("Plotmere picture");
    svg.setDescription("Drawn by Plotmere");
    svg.setViewBox(area);
    svg.setSize((area.size() / dot).toSize());
    svg.setResolution(96);  // a pixel of the picture, a pixel of the page
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    // Every group states its font; without an application there is none to state.
    painter.setFont(QFont(QString(), 10));
    painter.fillRect(area, back);
    if (!background.isNull()) {
        painter.drawImage(QRectF(QPointF(0, 0), background.deviceIndependentSize() * dot), background);
    }
    for (const DrawnShape& shape : drawing.Shapes()) {
        const QColor color = ToQColor(shape.color);
        if (shape.kind == DrawnShape::Kind::Point) {
            painter.fillRect(QRectF(shape.x1, shape.y1, dot, dot), color);
        } else {
            painter.setPen(QPen(color, dot, Qt::SolidLine, Qt::SquareCap));
            painter.drawLine(QPointF(shape.x1 + half, shape.y1 + half),
                             QPointF(shape.x2 + half, shape.y2 + half));
        }
    }
    return painter.end();
}

}  // namespace plotmere
