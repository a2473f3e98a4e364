#include "app/design/spoken_names.h"

#include <algorithm>
#include <span>

#include "console/control_registry.h"

namespace plotmere {

namespace {

// The standard palette, by QBColor index.
constexpr const char* ColorNames[] = {"Black",     "Dark blue",     "Dark green",  "Dark cyan",
                                      "Dark red",  "Dark magenta",  "Brown",       "Light grey",
                                      "Dark grey", "Light blue",    "Light green", "Light cyan",
                                      "Light red", "Light magenta", "Yellow",      "White"};

// "Function 3" for f3: a row of the function list by the caption its rows
// share and the slot's number.
std::string slotName(std::string_view name, std::span<const char* const> rowNames, const char* caption) {
    const auto row =
        std::find_if(rowNames.begin(), rowNames.end(), [name](const char* n) { return n == name; });
    return row == rowNames.end() ? "" : caption + (" " + std::to_string(row - rowNames.begin()));
}

}  // namespace

std::string SpokenName(const ControlDesign& c) {
    if (c.spokenName) return c.spokenName;
    switch (c.kind) {
        case ControlKind::TextBox: return slotName(c.name, SlotTextNames, "Function");
        case ControlKind::CheckBox: return slotName(c.name, SlotCheckNames, "On");
        case ControlKind::Swatch: return ColorNames[c.index];
        default: return "";
    }
}

}  // namespace plotmere
