#include "app/qt/picture_widget.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
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

// A plain widget is a filler, which screen readers pass over: the picture is an image.
QAccessibleInterface* accessibleImage(const QString&, QObject* object) {
    auto* picture = qobject_cast<PictureWidget*>(object);
    return picture ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
}

}  // namespace

PictureWidget::PictureWidget(ImagePicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture), readout_(new QLabel(this, Qt::ToolTip)) {
    [[maybe_unused]] static const bool imageForScreenReaders = [] {
        QAccessible::installFactory(accessibleImage);
        return true;
    }();
    // A right press marks a corner, as every press does; it opens no menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    SetViewScale(1);
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

std::optional<QPointF> PictureWidget::unitsAt(QPointF position) const {
    const QRect inner = contentsRect();
    if (!inner.contains(position.toPoint())) return std::nullopt;
    return (position - QPointF(inner.topLeft())) * (UnitsPerPixel / viewScale_);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    forgetPointer();
    const std::optional<QPointF> at = unitsAt(event->position());
    if (!at) return QWidget::mousePressEvent(event);
    emit pressed(static_cast<float>(at->x()), static_cast<float>(at->y()));
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) hover_ = event->position();
    else hover_.reset();
    emit pointerMoved();
    QWidget::mouseMoveEvent(event);
}

void PictureWidget::leaveEvent(QEvent* event) {
    forgetPointer();
    QWidget::leaveEvent(event);
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
