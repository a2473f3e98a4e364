#include "app/design/tab_order.h"

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

bool contains(const TwipRect& r, int x, int y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

bool isFrame(const ControlDesign& c) { return c.kind == ControlKind::Frame; }

// Its place on the window, not in its frame.
TwipRect onWindow(const ControlDesign& c, const FormDesign& design) {
    if (!c.frame) return c.place;
    const auto frame = std::find_if(
        design.controls.begin(), design.controls.end(),
        [&c](const ControlDesign& f) { return isFrame(f) && std::strcmp(f.name, c.frame) == 0; });
    return {c.place.left + frame->place.left, c.place.top + frame->place.top, c.place.width, c.place.height};
}

// Top and left of the frame it lies in or on (of itself, in none), then its own.
using ReadingPlace = std::tuple<int, int, int, int>;

ReadingPlace readingPlace(const ControlDesign& c, const FormDesign& design) {
    const TwipRect place = onWindow(c, design);
    TwipRect block = place;
    for (const ControlDesign& f : design.controls) {
        if (isFrame(f) && contains(f.place, place.left, place.top)) block = f.place;
    }
    return {block.top, block.left, place.top, place.left};
}

}  // namespace

std::vector<std::size_t> TabOrder(const FormDesign& design) {
    std::vector<std::pair<ReadingPlace, std::size_t>> stops;
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        if (takesTab(design.controls[i].kind))
            stops.emplace_back(readingPlace(design.controls[i], design), i);
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::size_t> order;
    for (const auto& stop : stops) order.push_back(stop.second);
    return order;
}

}  // namespace plotmere
