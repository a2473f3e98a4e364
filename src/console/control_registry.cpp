#include "console/control_registry.h"

namespace plotmere {

namespace {

struct ShownTextOf {
    using Text = std::optional<std::string>;
    Text operator()(std::monostate) const { return std::nullopt; }
    Text operator()(const TextBox* box) const { return box->Text; }
    Text operator()(const ComboBox* combo) const { return combo->Text; }
    Text operator()(const CheckBox* box) const { return std::to_string(box->Value); }
    Text operator()(const OptionGroup* group) const { return std::to_string(group->Selected); }
    // A form, a label or a button.
    template <class Captioned>
    Text operator()(const Captioned* control) const {
        return control->Caption;
    }
};

}  // namespace

std::optional<std::string> ShownText(const Control::State& state) { return std::visit(ShownTextOf{}, state); }

}  // namespace plotmere
