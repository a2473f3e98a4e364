#pragma once
// A window as its design lists it: every control with its name, kind, caption
// and place. The Qt windows are built from these tables.

#include <span>

namespace plotmere {

// Swatch: a rectangle filled with a colour of the standard palette.
enum class ControlKind { Frame, Label, TextBox, ComboBox, Button, CheckBox, OptionButton, Picture, Swatch };

// The typefaces of the design; each is shown in the nearest face installed.
enum class Face { Default, Arial975, CourierNew975, CourierNew9, SmallFonts675 };

// Twips: 1440 to the inch, UnitsPerPixel (state/picture.h) to a pixel at 100 % scale.
struct TwipRect {
    int left, top, width, height;
};

struct ControlDesign {
    ControlKind kind;
    const char* name;          // option buttons share their group's name
    const char* caption = "";  // boxes and bound labels show the state's text instead
    TwipRect place{};
    const char* frame = nullptr;  // the frame it lies in (place relative to it), or null
    int index = 0;                // option buttons: the index in the group; swatches: the QBColor index
    Face face = Face::Default;
    const char* toolTip = nullptr;
    const char* spokenName = nullptr;  // what a screen reader calls it, where not its caption
    const char* label = nullptr;       // boxes: the label of the same window that names it
};

struct FormDesign {
    const char* name;
    int width, height;                        // inner area, twips
    std::span<const ControlDesign> controls;  // frames first: later rows lie on top
    const char* firstFocus = nullptr;
    const char* defaultButton = nullptr;  // Enter
    const char* cancelButton = nullptr;   // Esc
};

const FormDesign& ConsoleDesign();
const FormDesign& SettingsDesign();
const FormDesign& FunctionListDesign();

}  // namespace plotmere
