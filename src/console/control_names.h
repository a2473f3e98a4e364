#pragma once
// The controls of the three windows by name, for the front ends that address
// them so (the headless console's actions, the Qt windows' object names).
// Each returns null for a name that is not a control of that kind.

#include <string>
#include <string_view>

#include "state/console_state.h"

namespace plotmere {

// The text of a text box, or the edit text of FunctionIn.
std::string* FindText(ConsoleState& s, std::string_view name);
Label* FindLabel(ConsoleState& s, std::string_view name);
CheckBox* FindCheckBox(ConsoleState& s, std::string_view name);
OptionGroup* FindOptionGroup(ConsoleState& s, std::string_view name);
Form* FindForm(ConsoleState& s, std::string_view name);

}  // namespace plotmere
