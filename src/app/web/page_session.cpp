#include "app/web/page_session.h"

#include "analysis/graph_description.h"
#include "console/control_registry.h"

namespace plotmere {

using emscripten::val;

namespace {

val rgb(Rgb c) {
    val color = val::array();
    for (int part : {c.r, c.g, c.b}) color.call<void>("push", part);
    return color;
}

template <class T>
val objectWith(const char* key, const T& value) {
    val v = val::object();
    v.set(key, value);
    return v;
}

struct StateOf {
    val operator()(std::monostate) const { return val::undefined(); }
    val operator()(const TextBox* box) const { return objectWith("text", box->Text); }
    val operator()(const CommandButton* button) const { return objectWith("caption", button->Caption); }
    val operator()(const CheckBox* box) const { return objectWith("value", box->Value); }
    val operator()(const OptionGroup* group) const { return objectWith("selected", group->Selected); }
    val operator()(const Label* label) const {
        val v = objectWith("caption", label->Caption);
        v.set("color", rgb(QBColor(label->ForeColor)));
        return v;
    }
    val operator()(const ComboBox* combo) const {
        val v = objectWith("text", combo->Text);
        val list = val::array();
        for (const std::string& item : combo->List) list.call<void>("push", item);
        v.set("list", list);
        return v;
    }
    val operator()(const Form* form) const {
        val v = objectWith("caption", form->Caption);
        v.set("visible", form->Visible);
        return v;
    }
};

// All a control shows, to tell whether it changed.
std::string everythingShown(const Control::State& state) {
    if (Label* const* label = std::get_if<Label*>(&state))
        return (*label)->Caption + '\0' + std::to_string((*label)->ForeColor);
    if (Form* const* form = std::get_if<Form*>(&state))
        return (*form)->Caption + '\0' + std::to_string((*form)->Visible);
    std::string all = ShownText(state).value_or("");
    if (ComboBox* const* combo = std::get_if<ComboBox*>(&state)) {
        for (const std::string& item : (*combo)->List) all += '\0' + item;
    }
    return all;
}

}  // namespace

PageSession::PageSession(val send, double scale, const std::string& helpAddress,
                         const std::string& scriptFolder)
    : host_(std::move(send)), picture_(host_, scale), console_(host_, picture_), scale_(scale) {
    console_.SetHelpAddress(helpAddress);
    console_.scripts().SetFolder(scriptFolder);
}

val PageSession::State() {
    ConsoleState& s = console_.state();
    val controls = val::object();
    for (const Control& control : Controls) {
        if (!showsAlready(control.name))
            controls.set(control.name, std::visit(StateOf{}, control.StateIn(s)));
    }
    val state = val::object();
    state.set("controls", controls);
    state.set("graph", GraphDescription(s));
    state.set("startup", s.StartupPictureShown);
    state.set("saveTitle", s.Dialog1.DialogTitle);
    state.set("saveName", s.Dialog1.FileName);
    state.set("saveFilter", SaveFilter(PagePicture::Writes));
    state.set("picture", picture_.TakeChanges());
    return state;
}

bool PageSession::showsAlready(const std::string& name) {
    const Control* control = FindControl(name);
    const Control::State state = control->StateIn(console_.state());
    if (std::holds_alternative<std::monostate>(state)) return true;
    std::string now = everythingShown(state);
    std::string& shown = shown_[name];
    if (shown == now) return true;
    shown = std::move(now);
    return false;
}

bool PageSession::SetText(const std::string& name, const std::string& text) {
    std::string* target = EditText(console_.state(), name);
    if (!target) return false;
    *target = text;
    showsAlready(name);  // the page shows what was typed
    return true;
}

bool PageSession::SetValue(const std::string& name, int value) {
    ConsoleState& s = console_.state();
    if (CheckBox* box = FindState<CheckBox>(s, name)) box->Value = value;
    else if (OptionGroup* group = FindState<OptionGroup>(s, name)) group->Selected = value;
    else return false;
    showsAlready(name);
    return true;
}

std::string PageSession::PointerReadout(float u, float v) const {
    return console_.PointerReadout(u, v, scale_).value_or("");
}

void PageSession::SetScale(double scale) {
    scale_ = scale;
    picture_.Rescale(scale);
}

}  // namespace plotmere
