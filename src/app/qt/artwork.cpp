#include "app/qt/artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace plotmere {

// Drawn from the SVG the web page shows too.
QImage StartupPicture(double devicePixelRatio) {
    const QSize size(292, 122);
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    QSvgRenderer(QString(":/plotmere/startup.svg")).render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

// The program's icon, drawn as SVG, sharp at every size the desktop asks for.
QIcon WindowIcon() { return QIcon(":/plotmere/org.plotmere.Plotmere.svg"); }

}  // namespace plotmere
