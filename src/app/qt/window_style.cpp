#include "app/qt/window_style.h"

#include <QProxyStyle>
#include <QStyleFactory>
#include <cmath>

#include "app/qt/form_window.h"

namespace plotmere {

namespace {

class ClassicMetricsStyle : public QProxyStyle {
public:
    ClassicMetricsStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        switch (metric) {
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight: return scaled(13, widget);
            case PM_CheckBoxLabelSpacing:
            case PM_RadioButtonLabelSpacing: return scaled(4, widget);
            default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

private:
    // The indicators grow with their window's view scale, as the boxes do.
    static int scaled(int pixels, const QWidget* widget) {
        const auto* form = widget ? qobject_cast<const FormWindow*>(widget->window()) : nullptr;
        return static_cast<int>(std::lround(pixels * (form ? form->scale() : 1)));
    }
};

}  // namespace

QStyle* NewWindowStyle() { return new ClassicMetricsStyle; }

}  // namespace plotmere
