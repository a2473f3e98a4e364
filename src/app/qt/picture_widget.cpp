#include "app/qt/picture_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace plotmere {

PictureWidget::PictureWidget(ImagePicture& picture, QWidget* parent) : QFrame(parent), picture_(picture) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
}

void PictureWidget::SetViewScale(double scale) {
    viewScale_ = scale;
    followScale();
}

void PictureWidget::followScale() { picture_.SetScale(devicePixelRatioF(), viewScale_); }

void PictureWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    // The screen may have changed since the last paint; the image follows it.
    followScale();
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.fillRect(inner, picture_.backColor());
    const QImage& image = picture_.image();
    painter.drawImage(QRectF(inner.topLeft(), QSizeF(image.size()) / devicePixelRatioF()), image);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    const QRect inner = contentsRect();
    const QPointF at = event->position() - QPointF(inner.topLeft());
    if (!inner.contains(event->position().toPoint())) return QFrame::mousePressEvent(event);
    const double perPixel = ImagePicture::UnitsPerPixel / viewScale_;
    emit pressed(static_cast<float>(at.x() * perPixel), static_cast<float>(at.y() * perPixel));
}

}  // namespace plotmere
