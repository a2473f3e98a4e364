#include "app/qt/picture_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "app/qt/artwork.h"

namespace plotmere {

namespace {

constexpr double borderPixels = 2;  // at 100 %: two lines of one pixel

// One line of the border: along the top and left in one colour, along the
// bottom and right in another.
void drawRing(QPainter& painter, const QRect& r, int width, const QColor& topLeft,
              const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.bottom() + 1 - width, r.width(), width), bottomRight);
    painter.fillRect(QRect(r.right() + 1 - width, r.top(), width, r.height()), bottomRight);
    painter.fillRect(QRect(r.left(), r.top(), r.width() - width, width), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), width, r.height() - width), topLeft);
}

// The classic sunken panel, its two lines as wide as the scale makes them.
void drawSunkenBorder(QPainter& painter, const QRect& r, const QPalette& palette, int border) {
    const int outer = border / 2;
    drawRing(painter, r, outer, palette.dark().color(), palette.light().color());
    drawRing(painter, r.adjusted(outer, outer, -outer, -outer), border - outer, palette.shadow().color(),
             palette.midlight().color());
}

}  // namespace

PictureWidget::PictureWidget(ImagePicture& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
    // A right press marks a corner, as every press does; it opens no menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    SetViewScale(1);
}

void PictureWidget::SetViewScale(double scale) {
    viewScale_ = scale;
    const int border = static_cast<int>(std::floor(borderPixels * scale));
    setContentsMargins(border, border, border, border);
    followScale();
}

// The start-up picture is drawn anew at each resolution, as sharp as the graph.
void PictureWidget::followScale() {
    const double scale = devicePixelRatioF() * viewScale_;
    if (scale != picture_.scale()) picture_.ReplaceBackgroundPicture(StartupPicture(scale));
    picture_.SetScale(devicePixelRatioF(), viewScale_);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    // The screen may have changed since the last paint; the image follows it.
    followScale();
    QPainter painter(this);
    drawSunkenBorder(painter, rect(), palette(), contentsMargins().left());
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.fillRect(inner, picture_.backColor());
    const QImage& image = picture_.image();
    painter.drawImage(QRectF(inner.topLeft(), QSizeF(image.size()) / devicePixelRatioF()), image);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    const QRect inner = contentsRect();
    const QPointF at = event->position() - QPointF(inner.topLeft());
    if (!inner.contains(event->position().toPoint())) return QWidget::mousePressEvent(event);
    const double perPixel = ImagePicture::UnitsPerPixel / viewScale_;
    emit pressed(static_cast<float>(at.x() * perPixel), static_cast<float>(at.y() * perPixel));
}

}  // namespace plotmere
