#include "app/qt/window_style.h"

#include <QProxyStyle>
#include <QStyleFactory>

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
            case PM_ExclusiveIndicatorHeight: return 13;
            case PM_CheckBoxLabelSpacing:
            case PM_RadioButtonLabelSpacing: return 4;
            default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

}  // namespace

QStyle* NewWindowStyle() { return new ClassicMetricsStyle; }

}  // namespace plotmere
