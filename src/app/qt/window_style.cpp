#include "app/qt/window_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
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
        case PM_ExclusiveIndicatorHeight: pixels = 13; break;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing: pixels = 4; break;
        default: pixels = QProxyStyle::pixelMetric(metric, option, widget);
    }
    // Negative metrics mean "ask the layout".
    return magnifying_ || pixels <= 0 ? pixels : static_cast<int>(std::lround(pixels * scale_));
}

// The base style draws into the rect shrunk by the scale, on a painter that
// magnifies it back; an option of another kind is drawn as it is.
template <class Option>
bool WindowStyle::drawMagnified(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed) return false;
    Option small = *typed;
    small.rect = QRect(QPoint(0, 0), (QSizeF(option->rect.size()) / scale_).toSize());
    if (widget) small.fontMetrics = QFontMetrics(scaled(widget->font(), 1 / scale_));
    if (small.rect.isEmpty()) return false;
    painter->save();
    painter->translate(option->rect.topLeft());
    painter->scale(static_cast<double>(option->rect.width()) / small.rect.width(),
                   static_cast<double>(option->rect.height()) / small.rect.height());
    magnifying_ = true;
    QProxyStyle::drawPrimitive(element, &small, painter, widget);
    magnifying_ = false;
    painter->restore();
    return true;
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    const bool magnified = scale_ != 1 && !magnifying_ && drawnWithLines(element) &&
                           (drawMagnified<QStyleOptionButton>(element, option, painter, widget) ||
                            drawMagnified<QStyleOptionFrame>(element, option, painter, widget) ||
                            drawMagnified<QStyleOptionFocusRect>(element, option, painter, widget) ||
                            drawMagnified<QStyleOptionToolButton>(element, option, painter, widget) ||
                            (option->type == QStyleOption::SO_Default &&
                             drawMagnified<QStyleOption>(element, option, painter, widget)));
    if (!magnified) QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// A button with the keyboard focus shows a mark inside its frame, apart from
// the frame that marks the default button.
void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
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

}  // namespace plotmere
