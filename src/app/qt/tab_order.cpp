#include "app/qt/tab_order.h"

#include <QRect>
#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>

namespace plotmere {

namespace {

bool takesTab(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton: return true;
        default: return false;
    }
}

QRect rectOf(const TwipRect& r) { return QRect(r.left, r.top, r.width, r.height); }

bool isFrame(const ControlDesign& c) { return c.kind == ControlKind::Frame; }

// Its place on the window, not in its frame.
QRect onWindow(const ControlDesign& c, const FormDesign& design) {
    const QRect place = rectOf(c.place);
    if (!c.frame) return place;
    const auto frame = std::ranges::find_if(design.controls, [&c](const ControlDesign& f) {
        return isFrame(f) && std::strcmp(f.name, c.frame) == 0;
    });
    return place.translated(frame->place.left, frame->place.top);
}

// Top and left of the frame it lies in or on (of itself, in none), then its own.
using ReadingPlace = std::tuple<int, int, int, int>;

ReadingPlace readingPlace(const ControlDesign& c, const FormDesign& design) {
    const QRect place = onWindow(c, design);
    QRect block = place;
    for (const ControlDesign& f : design.controls) {
        if (isFrame(f) && rectOf(f.place).contains(place.topLeft())) block = rectOf(f.place);
    }
    return {block.top(), block.left(), place.top(), place.left()};
}

}  // namespace

std::vector<std::size_t> TabOrder(const FormDesign& design) {
    std::vector<std::pair<ReadingPlace, std::size_t>> stops;
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        if (takesTab(design.controls[i].kind))
            stops.emplace_back(readingPlace(design.controls[i], design), i);
    }
    std::ranges::stable_sort(stops, {}, &std::pair<ReadingPlace, std::size_t>::first);
    std::vector<std::size_t> order;
    for (const auto& stop : stops) order.push_back(stop.second);
    return order;
}

}  // namespace plotmere
