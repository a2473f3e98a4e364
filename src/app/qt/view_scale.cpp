#include "app/qt/view_scale.h"

#include <QSettings>
#include <algorithm>

namespace plotmere {

namespace {

constexpr auto key = "view/scale";

}  // namespace

void ViewScale::Set(int percent) {
    if (std::find(Steps.begin(), Steps.end(), percent) == Steps.end()) return;
    percent = std::min(percent, largest_);
    if (percent == percent_) return;
    percent_ = percent;
    emit changed(factor());
}

void ViewScale::Next() {
    if (percent_ == largest_) return emit refused();
    Set(*std::upper_bound(Steps.begin(), Steps.end(), percent_));
}

void ViewScale::Previous() {
    const auto at = std::lower_bound(Steps.begin(), Steps.end(), percent_);
    if (at != Steps.begin()) Set(*(at - 1));
}

void ViewScale::SetLargest(int percent) {
    largest_ = percent;
    Set(std::min(percent_, largest_));
}

void ViewScale::Remember(QSettings& settings) {
    Set(settings.value(key, Steps.front()).toInt());
    connect(this, &ViewScale::changed, &settings, [this, &settings] { settings.setValue(key, percent_); });
}

}  // namespace plotmere
