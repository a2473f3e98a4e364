#include "app/qt/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "app/qt/image_picture.h"
#include "state/version.h"

namespace plotmere {

namespace {

QColor qb(int index) { return ToQColor(QBColor(index)); }

// y = sin(x) across the box, one vertex a pixel.
QPainterPath sineIn(const QRectF& box, double periods) {
    QPainterPath path;
    for (double px = 0; px <= box.width(); px += 1) {
        const double y = std::sin(px / box.width() * periods * 2 * std::numbers::pi);
        const QPointF p(box.left() + px, box.center().y() - y * box.height() / 2);
        if (px == 0) path.moveTo(p);
        else path.lineTo(p);
    }
    return path;
}

void drawGraph(QPainter& painter, const QRectF& box) {
    painter.fillRect(box, Qt::white);
    painter.setPen(QPen(qb(7), 1));
    for (int i = 1; i < 6; ++i) {
        const double x = box.left() + box.width() * i / 6, y = box.top() + box.height() * i / 6;
        painter.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
        painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    }
    painter.setPen(QPen(qb(8), 1));
    painter.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
    painter.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
    painter.setPen(QPen(qb(1), 2));
    painter.drawPath(sineIn(box.adjusted(0, 8, 0, -8), 1.5));
    painter.setPen(QPen(qb(4), 2));
    painter.drawPath(sineIn(box.adjusted(0, 24, 0, -24), 0.75));
    painter.setPen(QPen(qb(8), 1));
    painter.drawRect(box);
}

}  // namespace

QImage StartupPicture(double devicePixelRatio) {
    QImage image(QSize(292, 122) * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawGraph(painter, QRectF(8.5, 10.5, 110, 100));

    QFont title;
    title.setFamilies({"Arial", "Liberation Sans"});
    title.setPixelSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(qb(1));
    painter.drawText(QRectF(128, 14, 144, 40), Qt::AlignLeft | Qt::AlignVCenter, "Plotmere");

    QFont line = title;
    line.setPixelSize(12);
    line.setBold(false);
    painter.setFont(line);
    painter.setPen(qb(0));
    painter.drawText(QRectF(130, 56, 140, 54), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString("Graphing calculator\nVersion ") + Version);
    return image;
}

// The program's icon, drawn as SVG, sharp at every size the desktop asks for.
QIcon WindowIcon() { return QIcon(":/plotmere/org.plotmere.Plotmere.svg"); }

}  // namespace plotmere
