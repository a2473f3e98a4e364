#include "console/control_names.h"

#include <charconv>

namespace plotmere {

namespace {

// The row of a control array element named like "f3" or "OnChk3".
int rowOf(std::string_view name, std::string_view array) {
    if (name.size() != array.size() + 1 || name.substr(0, array.size()) != array) return -1;
    int row = -1;
    std::from_chars(name.data() + array.size(), name.data() + name.size(), row);
    return row;
}

}  // namespace

std::string* FindText(ConsoleState& s, std::string_view name) {
    SettingsWindow& w = s.Settings;
    const std::pair<std::string_view, std::string*> texts[] = {
        {"FunctionIn", &s.FunctionIn.Text}, {"Xequals", &s.Xequals.Text},
        {"Text3", &s.Text3.Text},           {"Text4", &s.Text4.Text},
        {"Text5", &s.Text5.Text},           {"Text6", &s.Text6.Text},
        {"XTickbox", &w.XTickbox.Text},     {"YTickbox", &w.YTickbox.Text},
        {"ThetaMin", &w.ThetaMin.Text},     {"ThetaMax", &w.ThetaMax.Text},
        {"ThetaStep", &w.ThetaStep.Text},   {"ParamMin", &w.ParamMin.Text},
        {"ParamMax", &w.ParamMax.Text},     {"ParamStep", &w.ParamStep.Text},
    };
    for (const auto& [n, text] : texts) {
        if (n == name) return text;
    }
    if (int row = rowOf(name, "f"); row >= 0) return &s.FunctionList.f[static_cast<size_t>(row)].Text;
    return nullptr;
}

Label* FindLabel(ConsoleState& s, std::string_view name) {
    if (name == "Result") return &s.Result;
    if (name == "Status") return &s.Status;
    return nullptr;
}

CheckBox* FindCheckBox(ConsoleState& s, std::string_view name) {
    if (name == "WhichOp") return &s.WhichOp;
    if (name == "Axes") return &s.Settings.Axes;
    if (int row = rowOf(name, "OnChk"); row >= 0) return &s.FunctionList.OnChk[static_cast<size_t>(row)];
    return nullptr;
}

OptionGroup* FindOptionGroup(ConsoleState& s, std::string_view name) {
    if (name == "GraphMode") return &s.GraphMode;
    if (name == "Option1") return &s.Option1;
    return nullptr;
}

Form* FindForm(ConsoleState& s, std::string_view name) {
    if (name == "Console") return &s.Console;
    if (name == "Settings") return &s.Settings.Settings;
    if (name == "FunctionList") return &s.FunctionList.FunctionList;
    return nullptr;
}

}  // namespace plotmere
