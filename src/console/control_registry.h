#pragma once
// Every control of the three windows that the core reads, writes or runs a
// command for, declared once: its name (the windows' object names, the headless
// console's words), its kind, where its state lives and its click handler.
// A new button is one row here plus its handler on Console; where it sits in
// its window is the window design's business.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "console/console.h"

namespace plotmere {

struct Control {
    enum class Kind { Form, TextBox, ComboBox, Label, Button, CheckBox, OptionGroup };
    using State = std::variant<std::monostate, Form*, TextBox*, ComboBox*, Label*, CommandButton*, CheckBox*,
                               OptionGroup*>;
    // Where the state lives; row picks the element of a control array.
    using Locate = State (*)(ConsoleState& s, int row);

    const char* name = nullptr;
    Kind kind = Kind::Button;
    Locate locate = nullptr;  // null: nothing of it is kept
    void (Console::*click)() = nullptr;
    bool clickEvenWhileBusy = false;
    int row = 0;

    State StateIn(ConsoleState& s) const { return locate ? locate(s, row) : State(); }
};

// The rows of the FunctionList window, one text and one check box per slot.
inline constexpr const char* SlotTextNames[] = {"f0", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9"};
inline constexpr const char* SlotCheckNames[] = {"OnChk0", "OnChk1", "OnChk2", "OnChk3", "OnChk4",
                                                 "OnChk5", "OnChk6", "OnChk7", "OnChk8", "OnChk9"};
static_assert(std::size(SlotTextNames) == FunctionSlots && std::size(SlotCheckNames) == FunctionSlots);

namespace registry {

// The control's state, reached from ConsoleState through Members in turn.
template <auto... Members>
Control::State At(ConsoleState& s, int) {
    // clang-format off
    return &(s .* ... .* Members);
    // clang-format on
}

template <auto Window, auto Array>
Control::State RowOf(ConsoleState& s, int row) {
    return &((s.*Window).*Array)[static_cast<size_t>(row)];
}

// Every control but the slots' rows; the short names are the table's own.
consteval auto NamedControls() {
    using K = Control::Kind;
    using S = ConsoleState;
    using SW = SettingsWindow;
    using FW = FunctionListWindow;
    using C = Console;
    // clang-format off
    return std::to_array<Control>({
        {"Console", K::Form, At<&S::Console>},
        {"FunctionIn", K::ComboBox, At<&S::FunctionIn>},
        {"Xequals", K::TextBox, At<&S::Xequals>},
        {"Text3", K::TextBox, At<&S::Text3>},  // XMax
        {"Text4", K::TextBox, At<&S::Text4>},  // XMin
        {"Text5", K::TextBox, At<&S::Text5>},  // YMax
        {"Text6", K::TextBox, At<&S::Text6>},  // YMin
        {"Result", K::Label, At<&S::Result>, &C::Result_Click},
        {"Status", K::Label, At<&S::Status>},
        {"WhichOp", K::CheckBox, At<&S::WhichOp>, &C::WhichOp_Click},
        {"GraphMode", K::OptionGroup, At<&S::GraphMode>},
        {"Option1", K::OptionGroup, At<&S::Option1>},
        {"Evaluate", K::Button, At<&S::Evaluate>, &C::Evaluate_Click},
        {"SetMem", K::Button, nullptr, &C::SetMem_Click},
        {"SetFunc", K::Button, nullptr, &C::SetFunc_Click},
        {"Root", K::Button, nullptr, &C::Root_Click},
        {"LocalMin", K::Button, nullptr, &C::LocalMin_Click},
        {"LocalMax", K::Button, nullptr, &C::LocalMax_Click},
        {"Integrate", K::Button, nullptr, &C::Integrate_Click},
        {"Trace", K::Button, nullptr, &C::Trace_Click},
        {"Command10", K::Button},  // Intercept: a button with no command behind it
        {"ZOut", K::Button, nullptr, &C::ZOut_Click},
        {"MLeft", K::Button, nullptr, &C::MLeft_Click},
        {"Left", K::Button, nullptr, &C::Left_Click},
        {"Right", K::Button, nullptr, &C::Right_Click},
        {"MRight", K::Button, nullptr, &C::MRight_Click},
        {"ClearScreen", K::Button, nullptr, &C::ClearScreen_Click},
        {"Standard", K::Button, nullptr, &C::Standard_Click},
        {"TrigWin", K::Button, nullptr, &C::TrigWin_Click},
        {"Saver", K::Button, nullptr, &C::Saver_Click},
        {"GetSet", K::Button, nullptr, &C::GetSet_Click},
        {"HelpMe", K::Button, nullptr, &C::HelpMe_Click},
        {"ClearHistory", K::Button, nullptr, &C::ClearHistory_Click},
        {"GotoFunkList", K::Button, nullptr, &C::GotoFunkList_Click},
        // Quit ends even a command that waits in a loop.
        {"GetOut", K::Button, nullptr, &C::GetOut_Click, true},

        {"Settings", K::Form, At<&S::Settings, &SW::Settings>},
        {"Axes", K::CheckBox, At<&S::Settings, &SW::Axes>},
        {"XTickbox", K::TextBox, At<&S::Settings, &SW::XTickbox>},
        {"YTickbox", K::TextBox, At<&S::Settings, &SW::YTickbox>},
        {"ThetaMin", K::TextBox, At<&S::Settings, &SW::ThetaMin>},
        {"ThetaMax", K::TextBox, At<&S::Settings, &SW::ThetaMax>},
        {"ThetaStep", K::TextBox, At<&S::Settings, &SW::ThetaStep>},
        {"ParamMin", K::TextBox, At<&S::Settings, &SW::ParamMin>},
        {"ParamMax", K::TextBox, At<&S::Settings, &SW::ParamMax>},
        {"ParamStep", K::TextBox, At<&S::Settings, &SW::ParamStep>},
        {"SetDone", K::Button, nullptr, &C::SetDone_Click},

        {"FunctionList", K::Form, At<&S::FunctionList, &FW::FunctionList>},
        {"Command2", K::Button, nullptr, &C::Command2_Click},  // OK
        {"Command1", K::Button, nullptr, &C::Command1_Click},  // Cancel
    });
    // clang-format on
}

}  // namespace registry

inline constexpr auto Controls = [] {
    constexpr auto named = registry::NamedControls();
    constexpr auto text = registry::RowOf<&ConsoleState::FunctionList, &FunctionListWindow::f>;
    constexpr auto check = registry::RowOf<&ConsoleState::FunctionList, &FunctionListWindow::OnChk>;
    std::array<Control, named.size() + 2 * FunctionSlots> all{};
    auto next = std::copy(named.begin(), named.end(), all.begin());
    for (int i = 0; i < FunctionSlots; ++i) {
        *next++ = {SlotTextNames[i], Control::Kind::TextBox, text, nullptr, false, i};
        *next++ = {SlotCheckNames[i], Control::Kind::CheckBox, check, nullptr, false, i};
    }
    return all;
}();

// The control of that name, or null.
constexpr const Control* FindControl(std::string_view name) {
    for (const Control& control : Controls) {
        if (name == control.name) return &control;
    }
    return nullptr;
}

// The state of the control of that name when it is a T, or null.
template <class T>
T* FindState(ConsoleState& s, std::string_view name) {
    const Control* control = FindControl(name);
    if (!control) return nullptr;
    Control::State state = control->StateIn(s);
    T** found = std::get_if<T*>(&state);
    return found ? *found : nullptr;
}

// What can be typed into: a text box, or the edit text of the combo box.
inline std::string* EditText(ConsoleState& s, std::string_view name) {
    if (TextBox* box = FindState<TextBox>(s, name)) return &box->Text;
    if (ComboBox* combo = FindState<ComboBox>(s, name)) return &combo->Text;
    return nullptr;
}

// The text or number a control shows (a check box's value, an option group's
// selected index); none for a control that keeps nothing.
std::optional<std::string> ShownText(const Control::State& state);

// A registered control's name for a window design: a name the registry does
// not know fails to compile.
consteval const char* Named(std::string_view name) {
    // No pointer test here: gcc's UBSan cannot evaluate one at compile time.
    for (const Control& control : Controls) {
        if (name == control.name) return control.name;
    }
    throw "no registered control of that name";
}

}  // namespace plotmere
