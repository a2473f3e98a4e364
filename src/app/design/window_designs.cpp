#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "app/design/form_design.h"
#include "console/control_registry.h"

namespace plotmere {

namespace {

using K = ControlKind;

// clang-format off
constexpr ControlDesign consoleControls[] = {
    {K::Frame, "Frame1", "Window", {2640, 600, 1695, 1815}},
    {K::Frame, "Frame2", "Options", {4440, 600, 1695, 3015}},
    {K::Frame, "Frame4", "Trigonometric", {4440, 3720, 1695, 1455}},
    {K::Frame, "Frame3", "Memory", {120, 5280, 1935, 1215}},
    {K::Frame, "Frame5", "Calculate", {2160, 5280, 3735, 1215}},

    {K::Label, "Label4", "XMax", {120, 360, 495, 255}, "Frame1"},
    {K::Label, "Label5", "XMin", {120, 720, 495, 255}, "Frame1"},
    {K::Label, "Label6", "YMax", {120, 1080, 495, 255}, "Frame1"},
    {K::Label, "Label7", "YMin", {120, 1440, 495, 255}, "Frame1"},
    {K::Button, Named("Standard"), "Standard Win", {120, 240, 1455, 372}, "Frame2"},
    {K::OptionButton, Named("GraphMode"), "Normal", {120, 2160, 1215, 255}, "Frame2", 0},
    {K::OptionButton, Named("GraphMode"), "Polar", {120, 2400, 1215, 255}, "Frame2", 1},
    {K::OptionButton, Named("GraphMode"), "Parametric", {120, 2640, 1215, 255}, "Frame2", 2},
    {K::Button, Named("TrigWin"), "Trig Win", {120, 360, 1455, 375}, "Frame4"},
    {K::OptionButton, Named("Option1"), "Radian", {120, 840, 1095, 195}, "Frame4", 0},
    {K::OptionButton, Named("Option1"), "Degrees", {120, 1080, 1095, 195}, "Frame4", 1},
    {K::Button, Named("SetFunc"), "Store Function", {120, 360, 1695, 372}, "Frame3"},
    {K::Button, Named("SetMem"), "SetMem", {120, 720, 1695, 375}, "Frame3"},
    {K::Button, Named("Trace"), "Trace", {120, 360, 1215, 372}, "Frame5"},
    {K::Button, Named("Integrate"), "Integrate", {1320, 360, 1095, 372}, "Frame5"},
    {K::Button, Named("Command10"), "Intercept", {2400, 360, 1215, 372}, "Frame5"},
    {K::Button, Named("LocalMax"), "Local Max", {120, 720, 1215, 372}, "Frame5"},
    {K::Button, Named("LocalMin"), "Local Min", {1320, 720, 1095, 372}, "Frame5"},
    {K::Button, Named("Root"), "Root", {2400, 720, 1215, 372}, "Frame5"},

    {.kind = K::Label,
     .name = "Label1",
     .caption = "Function",
     .place = {120, 240, 855, 255},
     .face = Face::Arial975,
     .toolTip = "Enter your function here"},
    {.kind = K::ComboBox, .name = Named("FunctionIn"), .place = {1080, 120, 3855, 360}, .face = Face::CourierNew975, .label = "Label1"},
    {.kind = K::Button,
     .name = Named("GetOut"),
     .caption = "Quit",
     .place = {5160, 120, 855, 375},
     .toolTip = "Are you sure you want to quit?"},
    {.kind = K::Label,
     .name = "Label2",
     .caption = "x =",
     .place = {600, 600, 375, 255},
     .face = Face::Arial975,
     .toolTip = "This can be any valid expression"},
    {.kind = K::TextBox, .name = Named("Xequals"), .place = {1080, 600, 1455, 285}, .face = Face::CourierNew9, .label = "Label2"},
    {.kind = K::Button,
     .name = Named("Evaluate"),
     .caption = "Evaluate",
     .place = {1320, 1080, 1215, 735},
     .toolTip = "Click here to go"},
    {.kind = K::Button,
     .name = Named("GotoFunkList"),
     .caption = "List",
     .place = {240, 1080, 735, 375},
     .toolTip = "Add more functions"},
    {K::Button, Named("GetSet"), "Settings", {240, 1440, 735, 375}},
    {.kind = K::TextBox, .name = Named("Text3"), .place = {3360, 960, 855, 285}, .label = "Label4"},
    {.kind = K::TextBox, .name = Named("Text4"), .place = {3360, 1320, 855, 285}, .label = "Label5"},
    {.kind = K::TextBox, .name = Named("Text5"), .place = {3360, 1680, 855, 285}, .label = "Label6"},
    {.kind = K::TextBox, .name = Named("Text6"), .place = {3360, 2040, 855, 285}, .label = "Label7"},
    {K::Button, Named("ClearScreen"), "Clear Screen", {4560, 1200, 1455, 375}},
    {K::Button, Named("ClearHistory"), "Clear History", {4560, 1560, 1455, 375}},
    {K::Button, Named("HelpMe"), "Help", {4560, 1920, 1455, 375}},
    {.kind = K::Label, .name = Named("Result"), .place = {120, 2040, 2415, 735}, .toolTip = "The output goes here"},
    {.kind = K::Button,
     .name = Named("Saver"),
     .caption = "Save",
     .place = {3600, 2520, 735, 375},
     .toolTip = "Save the image."},
    {K::CheckBox, Named("WhichOp"), "Graph?", {4560, 2520, 855, 195}},
    {.kind = K::Picture, .name = "Picture1", .place = {120, 2880, 4215, 1935}, .spokenName = "Graph"},
    {.kind = K::Button,
     .name = Named("MLeft"),
     .caption = "<<",
     .place = {120, 4800, 492, 255},
     .spokenName = "Guess line 100 steps left"},
    {.kind = K::Button,
     .name = Named("Left"),
     .caption = "<",
     .place = {600, 4800, 492, 255},
     .spokenName = "Guess line 10 steps left"},
    {K::Button, Named("ZOut"), "Zoom Out", {1800, 4800, 855, 375}},
    {.kind = K::Button,
     .name = Named("Right"),
     .caption = ">",
     .place = {3360, 4800, 492, 255},
     .spokenName = "Guess line 10 steps right"},
    {.kind = K::Button,
     .name = Named("MRight"),
     .caption = ">>",
     .place = {3840, 4800, 492, 255},
     .spokenName = "Guess line 100 steps right"},
    {.kind = K::Label, .name = Named("Status"), .place = {240, 6600, 5655, 255}, .face = Face::SmallFonts675},
};
// clang-format on

// clang-format off
constexpr ControlDesign settingsControls[] = {
    {K::Frame, "Frame6", "Polar", {1920, 240, 1815, 1455}},
    {K::Frame, "Frame1", "Parametric", {1920, 1800, 1815, 1455}},

    {K::Label, "Label8", "Theta Min", {120, 360, 735, 255}, "Frame6"},
    {.kind = K::TextBox, .name = Named("ThetaMin"), .place = {960, 360, 735, 285}, .frame = "Frame6", .label = "Label8"},
    {K::Label, "Label3", "Theta Max", {120, 720, 975, 255}, "Frame6"},
    {.kind = K::TextBox, .name = Named("ThetaMax"), .place = {960, 720, 735, 285}, .frame = "Frame6", .label = "Label3"},
    {K::Label, "Label9", "Theta Step", {120, 1080, 855, 255}, "Frame6"},
    {.kind = K::TextBox, .name = Named("ThetaStep"), .place = {960, 1080, 735, 285}, .frame = "Frame6", .label = "Label9"},
    {K::Label, "Label2", "t Min", {240, 360, 615, 255}, "Frame1"},
    {.kind = K::TextBox, .name = Named("ParamMin"), .place = {960, 360, 735, 285}, .frame = "Frame1", .label = "Label2"},
    {K::Label, "Label1", "t Max", {240, 720, 735, 255}, "Frame1"},
    {.kind = K::TextBox, .name = Named("ParamMax"), .place = {960, 720, 735, 285}, .frame = "Frame1", .label = "Label1"},
    {K::Label, "Label4", "t Step", {240, 1080, 615, 255}, "Frame1"},
    {.kind = K::TextBox, .name = Named("ParamStep"), .place = {960, 1080, 735, 285}, .frame = "Frame1", .label = "Label4"},

    {K::CheckBox, Named("Axes"), "Show Axes?", {240, 240, 1215, 255}},
    {K::Label, "Label10", "X Tick", {360, 600, 615, 255}},
    {.kind = K::TextBox, .name = Named("XTickbox"), .place = {240, 840, 1575, 285}, .label = "Label10"},
    {K::Label, "Label11", "Y Tick", {360, 1320, 615, 255}},
    {.kind = K::TextBox, .name = Named("YTickbox"), .place = {240, 1560, 1575, 285}, .label = "Label11"},
    {K::Button, Named("SetDone"), "Done", {240, 2400, 1575, 375}},
};
// clang-format on

// One row per function slot: its text, its "On" box and its colour.
constexpr const char* slotColors[] = {"FuncColor0", "FuncColor1", "FuncColor2", "FuncColor3", "FuncColor4",
                                      "FuncColor5", "FuncColor6", "FuncColor7", "FuncColor8", "FuncColor9"};

constexpr auto functionListControls = [] {
    std::array<ControlDesign, 3 * FunctionSlots + 2> controls{};
    auto row = controls.begin();
    for (int i = 0; i < FunctionSlots; ++i) {
        const int top = 120 + 360 * i;
        *row++ = {.kind = K::TextBox,
                  .name = SlotTextNames[i],
                  .place = {120, top, 7425, 330},
                  .face = Face::CourierNew975};
        *row++ = {K::CheckBox, SlotCheckNames[i], "On", {7680, i == 0 ? 135 : top, 615, 330}};
        *row++ = {.kind = K::Swatch, .name = slotColors[i], .place = {8400, top, 615, 255}, .index = i};
    }
    *row++ = {K::Button, Named("Command2"), "OK", {2280, 3960, 2175, 375}};
    *row++ = {K::Button, Named("Command1"), "Cancel", {4560, 3960, 2295, 375}};
    return controls;
}();

// The design's kind of a control the registry lists.
constexpr ControlKind designKind(Control::Kind kind) {
    switch (kind) {
        case Control::Kind::TextBox: return K::TextBox;
        case Control::Kind::ComboBox: return K::ComboBox;
        case Control::Kind::Label: return K::Label;
        case Control::Kind::CheckBox: return K::CheckBox;
        case Control::Kind::OptionGroup: return K::OptionButton;
        case Control::Kind::Form:
        case Control::Kind::Button: break;
    }
    return K::Button;
}

// Every registered control is laid out as the kind the registry gives it, and
// every box is named by a label of its own window.
consteval bool agreed(std::span<const ControlDesign> rows) {
    const auto isLabel = [](const ControlDesign& c, std::string_view name) {
        return c.kind == K::Label && name == c.name;
    };
    for (const ControlDesign& c : rows) {
        for (const Control& registered : Controls) {
            if (c.name == std::string_view(registered.name) && designKind(registered.kind) != c.kind)
                return false;
        }
        if (c.label && std::none_of(rows.begin(), rows.end(),
                                    [&](const ControlDesign& l) { return isLabel(l, c.label); }))
            return false;
    }
    return true;
}
static_assert(agreed(consoleControls) && agreed(settingsControls) && agreed(functionListControls));

constexpr FormDesign console{
    .name = Named("Console"),
    .width = 6150,
    .height = 6915,
    .controls = consoleControls,
    .firstFocus = Named("Xequals"),
    .defaultButton = Console::DefaultButton,
    .cancelButton = Console::CancelButton,
};

constexpr FormDesign settings{
    .name = Named("Settings"), .width = 3915, .height = 3585, .controls = settingsControls};

constexpr FormDesign functionList{
    .name = Named("FunctionList"),
    .width = 9225,
    .height = 4530,
    .controls = functionListControls,
    .defaultButton = Named("Command2"),
    .cancelButton = Named("Command1"),
};

}  // namespace

const FormDesign& ConsoleDesign() { return console; }
const FormDesign& SettingsDesign() { return settings; }
const FormDesign& FunctionListDesign() { return functionList; }

}  // namespace plotmere
