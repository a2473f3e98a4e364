#include "app/qt/picture_widget.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace plotmere {

PictureWidget::PictureWidget(ImagePicture& picture, QWidget* parent)
    : QFrame(parent), picture_(picture), readout_(new QLabel(this, Qt::ToolTip)) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setMouseTracking(true);
    // A window of its own, as a tool tip is: never drawn into the picture, and
    // whole even where it reaches past the picture's edge.
    readout_->setObjectName("readout");
    readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
    readout_->setPalette(QToolTip::palette());
    readout_->setForegroundRole(QPalette::ToolTipText);
    readout_->setBackgroundRole(QPalette::ToolTipBase);
    readout_->setAutoFillBackground(true);
    readout_->setFrameStyle(QFrame::Box | QFrame::Plain);
    readout_->setMargin(2);
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

std::optional<QPointF> PictureWidget::unitsAt(QPointF position) const {
    const QRect inner = contentsRect();
    if (!inner.contains(position.toPoint())) return std::nullopt;
    return (position - QPointF(inner.topLeft())) * (ImagePicture::UnitsPerPixel / viewScale_);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    forgetPointer();
    const std::optional<QPointF> at = unitsAt(event->position());
    if (!at) return QFrame::mousePressEvent(event);
    emit pressed(static_cast<float>(at->x()), static_cast<float>(at->y()));
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) hover_ = event->position();
    else hover_.reset();
    emit pointerMoved();
    QFrame::mouseMoveEvent(event);
}

void PictureWidget::leaveEvent(QEvent* event) {
    forgetPointer();
    QFrame::leaveEvent(event);
}

void PictureWidget::forgetPointer() {
    hover_.reset();
    readout_->hide();
}

std::optional<QPointF> PictureWidget::pointer() const { return hover_ ? unitsAt(*hover_) : std::nullopt; }

void PictureWidget::ShowReadout(const QString& text) {
    if (text.isEmpty() || !hover_) return readout_->hide();
    readout_->setFont(font());  // a window does not take its parent's font, nor its view scale
    readout_->setText(text);
    readout_->adjustSize();
    readout_->move(besidePointer(readout_->size()));
    readout_->show();
}

// Below and to the right of the pointer, as a tool tip sits; on its other side
// where that would leave the drawing area.
QPoint PictureWidget::besidePointer(QSize size) const {
    const QRect inner = contentsRect();
    const QPoint at = hover_->toPoint();
    const int gap = qRound(12 * viewScale_);
    int x = at.x() + gap, y = at.y() + gap;
    if (x + size.width() > inner.right()) x = at.x() - gap - size.width();
    if (y + size.height() > inner.bottom()) y = at.y() - gap - size.height();
    return mapToGlobal(QPoint(std::max(x, inner.left()), std::max(y, inner.top())));
}

}  // namespace plotmere
