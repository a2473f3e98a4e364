// What the page's worker calls: the session and the windows' designs.

#include <emscripten/bind.h>

#include <algorithm>
#include <array>

#include "app/design/form_design.h"
#include "app/design/spoken_names.h"
#include "app/design/tab_order.h"
#include "app/web/page_session.h"

namespace plotmere {

namespace {

using emscripten::val;

constexpr const char* KindNames[] = {"Frame",    "Label",        "TextBox", "ComboBox", "Button",
                                     "CheckBox", "OptionButton", "Picture", "Swatch"};
constexpr const char* FaceNames[] = {"Default", "Arial975", "CourierNew975", "CourierNew9", "SmallFonts675"};
static_assert(std::size(KindNames) == static_cast<int>(ControlKind::Swatch) + 1);
static_assert(std::size(FaceNames) == static_cast<int>(Face::SmallFonts675) + 1);

val orNull(const char* text) { return text ? val(std::string(text)) : val::null(); }

// The three windows, the Console first.
std::array<const FormDesign*, 3> forms() {
    return {&ConsoleDesign(), &SettingsDesign(), &FunctionListDesign()};
}

// A control by its name, an option button by its group's and its index, and
// a name that two windows use by its window's and its own.
std::string idOf(const ControlDesign& c, const FormDesign& design) {
    if (c.kind == ControlKind::OptionButton) return std::string(c.name) + "(" + std::to_string(c.index) + ")";
    const auto named = [&c](const ControlDesign& other) { return std::string_view(other.name) == c.name; };
    for (const FormDesign* other : forms()) {
        if (other != &design && std::any_of(other->controls.begin(), other->controls.end(), named))
            return std::string(design.name) + "." + c.name;
    }
    return c.name;
}

val controlOf(const ControlDesign& c, const FormDesign& design) {
    val v = val::object();
    v.set("id", idOf(c, design));
    v.set("kind", KindNames[static_cast<int>(c.kind)]);
    v.set("name", c.name);
    v.set("caption", c.caption);
    val place = val::array();
    for (int twips : {c.place.left, c.place.top, c.place.width, c.place.height})
        place.call<void>("push", twips);
    v.set("place", place);
    v.set("frame", orNull(c.frame));
    v.set("index", c.index);
    v.set("face", FaceNames[static_cast<int>(c.face)]);
    v.set("toolTip", orNull(c.toolTip));
    v.set("spokenName", SpokenName(c));
    v.set("label", orNull(c.label));
    if (c.kind == ControlKind::Swatch) {
        const Rgb color = QBColor(c.index);
        v.set("color", "rgb(" + std::to_string(color.r) + "," + std::to_string(color.g) + "," +
                           std::to_string(color.b) + ")");
    }
    return v;
}

val formOf(const FormDesign& design) {
    val form = val::object();
    form.set("name", design.name);
    form.set("width", design.width);
    form.set("height", design.height);
    form.set("firstFocus", orNull(design.firstFocus));
    form.set("defaultButton", orNull(design.defaultButton));
    form.set("cancelButton", orNull(design.cancelButton));
    val controls = val::array();
    for (const ControlDesign& c : design.controls) controls.call<void>("push", controlOf(c, design));
    form.set("controls", controls);
    val tabs = val::array();
    for (std::size_t i : TabOrder(design)) tabs.call<void>("push", static_cast<int>(i));
    form.set("tabOrder", tabs);
    return form;
}

// The three windows' designs, for the page to lay out: each with its controls,
// their spoken names and labels, and the order Tab visits them.
val Designs() {
    val all = val::array();
    for (const FormDesign* design : forms()) all.call<void>("push", formOf(*design));
    return all;
}

}  // namespace

EMSCRIPTEN_BINDINGS(plotmere_page) {
    emscripten::function("designs", &Designs);
    emscripten::class_<PageSession>("Session")
        .constructor<val, double, std::string, std::string>()
        .function("state", &PageSession::State)
        .function("setText", &PageSession::SetText)
        .function("setValue", &PageSession::SetValue)
        .function("click", &PageSession::Click)
        .function("tick", &PageSession::Tick)
        .function("mouseDown", &PageSession::MouseDown)
        .function("pointerReadout", &PageSession::PointerReadout)
        .function("answerNextSave", &PageSession::AnswerNextSave)
        .function("setScale", &PageSession::SetScale)
        .function("ended", &PageSession::Ended);
}

}  // namespace plotmere
