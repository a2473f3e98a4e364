#include "app/qt/window_style.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace plotmere {

namespace {

// What the base style draws with lines of fixed width.
bool drawnWithLines(QStyle::PrimitiveElement element) {
    switch (element) {
        case QStyle::PE_Frame:
        case QStyle::PE_FrameDefaultButton:
        case QStyle::PE_FrameFocusRect:
        case QStyle::PE_FrameGroupBox:
        case QStyle::PE_FrameLineEdit:
        case QStyle::PE_FrameMenu:
        case QStyle::PE_PanelLineEdit:
        case QStyle::PE_PanelButtonCommand:
        case QStyle::PE_PanelButtonTool:
        case QStyle::PE_PanelTipLabel:
        case QStyle::PE_IndicatorArrowUp:
        case QStyle::PE_IndicatorArrowDown:
        case QStyle::PE_IndicatorArrowLeft:
        case QStyle::PE_IndicatorArrowRight:
        case QStyle::PE_IndicatorCheckBox:
        case QStyle::PE_IndicatorRadioButton: return true;
        default: return false;
    }
}

QFont scaled(QFont font, double scale) {
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * scale);
    else font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
    return font;
}

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create("Fusion")), font_(QApplication::font()) {}

void WindowStyle::SetScale(double scale) {
    scale_ = scale;
    QApplication::setFont(scaled(font_, scale));
}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    int pixels = 0;
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: pixels = IndicatorPixels; break;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing: pixels = IndicatorSpacing; break;
        default: pixels = QProxyStyle::pixelMetric(metric, option, widget);
    }
    // Negative metrics mean "ask the layout".
    return magnifying_ || pixels <= 0 ? pixels : static_cast<int>(std::lround(pixels * scale_));
}

// The option's rect shrunk by the scale, as the base style sees it at 100 %.
template <class Option>
Option WindowStyle::atFullSize(const Option& option, const QWidget* widget) const {
    Option small = option;
    small.rect = QRect(QPoint(0, 0), (QSizeF(option.rect.size()) / scale_).toSize());
    if (widget) small.fontMetrics = QFontMetrics(scaled(widget->font(), 1 / scale_));
    return small;
}

// The base style draws into the rect shrunk by the scale, on a painter that
// magnifies it back; an option of another kind is drawn as it is.
template <class Option, class Draw>
bool WindowStyle::drawMagnified(const QStyleOption* option, QPainter* painter, const QWidget* widget,
                                Draw draw) const {
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed) return false;
    const Option small = atFullSize(*typed, widget);
    if (small.rect.isEmpty()) return false;
    painter->save();
    painter->translate(option->rect.topLeft());
    painter->scale(static_cast<double>(option->rect.width()) / small.rect.width(),
                   static_cast<double>(option->rect.height()) / small.rect.height());
    magnifying_ = true;
    draw(&small);
    magnifying_ = false;
    painter->restore();
    return true;
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    const auto base = [&](const QStyleOption* small) {
        QProxyStyle::drawPrimitive(element, small, painter, widget);
    };
    const bool magnified = scale_ != 1 && !magnifying_ && drawnWithLines(element) &&
                           (drawMagnified<QStyleOptionButton>(option, painter, widget, base) ||
                            drawMagnified<QStyleOptionFrame>(option, painter, widget, base) ||
                            drawMagnified<QStyleOptionFocusRect>(option, painter, widget, base) ||
                            drawMagnified<QStyleOptionToolButton>(option, painter, widget, base) ||
                            (option->type == QStyleOption::SO_Default &&
                             drawMagnified<QStyleOption>(option, painter, widget, base)));
    if (!magnified) QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// The base style sizes a combo box's arrow in fixed pixels: the box is laid
// out and drawn as at 100 %, then magnified, its text field included.
void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto base = [&](const QStyleOptionComplex* small) {
        QProxyStyle::drawComplexControl(control, small, painter, widget);
    };
    const bool magnified = control == CC_ComboBox && scale_ != 1 && !magnifying_ &&
                           drawMagnified<QStyleOptionComboBox>(option, painter, widget, base);
    if (!magnified) QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                  const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !box || scale_ == 1 || magnifying_) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    const QStyleOptionComboBox small = atFullSize(*box, widget);
    if (small.rect.isEmpty()) return QProxyStyle::subControlRect(control, option, part, widget);
    magnifying_ = true;
    const QRectF r = QProxyStyle::subControlRect(control, &small, part, widget);
    magnifying_ = false;
    const double sx = static_cast<double>(option->rect.width()) / small.rect.width();
    const double sy = static_cast<double>(option->rect.height()) / small.rect.height();
    return QRectF(r.left() * sx, r.top() * sy, r.width() * sx, r.height() * sy)
        .toRect()
        .translated(option->rect.topLeft());
}

// A menu's item with its check column as wide as an icon: Fusion sizes that
// column at its 100 % width unless the items have icons, but draws it as wide
// as the item is high, which at a large scale leaves the text too little room.
const QStyleOption* WindowStyle::withIconColumn(const QStyleOption* option, const QWidget* widget,
                                                QStyleOptionMenuItem& widened) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item || !qobject_cast<const QMenu*>(widget)) return option;
    widened = *item;
    widened.maxIconWidth = std::max(item->maxIconWidth, pixelMetric(PM_SmallIconSize, option, widget));
    return &widened;
}

QSize WindowStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                    const QWidget* widget) const {
    QStyleOptionMenuItem item;
    return QProxyStyle::sizeFromContents(type, withIconColumn(option, widget, item), size, widget);
}

// A button with the keyboard focus shows a mark inside its frame, apart from
// the frame that marks the default button.
void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    QStyleOptionMenuItem item;
    QProxyStyle::drawControl(element, withIconColumn(option, widget, item), painter, widget);
    const QStyle::State focused = State_HasFocus | State_KeyboardFocusChange;
    if (element != CE_PushButtonBevel || (option->state & focused) != focused) return;
    QStyleOptionFocusRect mark;
    mark.QStyleOption::operator=(*option);
    const int inset = static_cast<int>(std::lround(3 * scale_));
    mark.rect = option->rect.adjusted(inset, inset, -inset, -inset);
    drawPrimitive(PE_FrameFocusRect, &mark, painter, widget);
}

void SetApplicationScale(double scale) {
    if (auto* style = qobject_cast<WindowStyle*>(QApplication::style())) style->SetScale(scale);
}

double ApplicationScale() {
    const auto* style = qobject_cast<const WindowStyle*>(QApplication::style());
    return style ? style->scale() : 1;
}

}  // namespace plotmere
