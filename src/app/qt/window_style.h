#pragma once
// The look of everything the program shows: the Fusion style with the classic
// 13-pixel check and option indicators, at the view scale. Sizes, margins and
// icons are the style's own times the scale; frames, panels, arrows,
// indicators and focus marks are drawn as at 100 % and magnified, so that
// their lines grow with the text.

#include <QFont>
#include <QProxyStyle>

class QStyleOptionMenuItem;

namespace plotmere {

class WindowStyle : public QProxyStyle {
    Q_OBJECT
public:
    WindowStyle();

    // The classic check and option indicators at 100 %, and their gap to the text.
    static constexpr int IndicatorPixels = 13;
    static constexpr int IndicatorSpacing = 4;

    // The style's scale and the application's font (1 is 100 %).
    void SetScale(double scale);
    double scale() const { return scale_; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;

private:
    const QStyleOption* withIconColumn(const QStyleOption* option, const QWidget* widget,
                                       QStyleOptionMenuItem& widened) const;
    template <class Option>
    Option atFullSize(const Option& option, const QWidget* widget) const;
    template <class Option, class Draw>
    bool drawMagnified(const QStyleOption* option, QPainter* painter, const QWidget* widget, Draw draw) const;

    double scale_ = 1;
    mutable bool magnifying_ = false;  // the base style measures as at 100 % meanwhile
    QFont font_;                       // the application's font at 100 %
};

// Sets the scale of the application's style, when it is a WindowStyle.
void SetApplicationScale(double scale);
// The scale of the application's style: 1 unless it is a WindowStyle.
double ApplicationScale();

}  // namespace plotmere
