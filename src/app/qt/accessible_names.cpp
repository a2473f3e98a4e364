#include "app/qt/accessible_names.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

#include "console/control_registry.h"

namespace plotmere {

namespace {

// Each box and the label beside or above it, in the same window.
constexpr std::pair<const char*, const char*> BoxLabels[] = {
    {Named("FunctionIn"), "Label1"}, {Named("Xequals"), "Label2"},   {Named("Text3"), "Label4"},
    {Named("Text4"), "Label5"},      {Named("Text5"), "Label6"},     {Named("Text6"), "Label7"},
    {Named("XTickbox"), "Label10"},  {Named("YTickbox"), "Label11"}, {Named("ThetaMin"), "Label8"},
    {Named("ThetaMax"), "Label3"},   {Named("ThetaStep"), "Label9"}, {Named("ParamMin"), "Label2"},
    {Named("ParamMax"), "Label1"},   {Named("ParamStep"), "Label4"}};

// The standard palette, by QBColor index.
constexpr const char* ColorNames[] = {"Black",     "Dark blue",     "Dark green",  "Dark cyan",
                                      "Dark red",  "Dark magenta",  "Brown",       "Light grey",
                                      "Dark grey", "Light blue",    "Light green", "Light cyan",
                                      "Light red", "Light magenta", "Yellow",      "White"};

bool same(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

// "Function 3" for f3: a row of the function list by the caption its rows
// share and the slot's number.
void nameSlot(QWidget* control, const char* name, std::span<const char* const> rowNames,
              const char* caption) {
    const auto row = std::ranges::find_if(rowNames, [name](const char* n) { return same(n, name); });
    if (row != rowNames.end())
        control->setAccessibleName(QString("%1 %2").arg(caption).arg(row - rowNames.begin()));
}

// The buddy ties the two for the bridge's relations, which screen readers read
// for a combo box (Qt names that by its text); the name is set as well, since
// Qt looks for a buddy only beside its box.
void nameByLabel(QWidget* box, QLabel* label) {
    label->setBuddy(box);
    box->setAccessibleName(label->text());
    box->setAccessibleDescription(label->toolTip());
    if (auto* combo = qobject_cast<QComboBox*>(box)) {
        combo->lineEdit()->setAccessibleName(label->text());
        combo->view()->setAccessibleName(label->text());  // its list
    }
}

void nameBox(QWidget& window, QWidget* box, const char* name) {
    for (auto [boxName, labelName] : BoxLabels) {
        if (same(boxName, name)) return nameByLabel(box, window.findChild<QLabel*>(labelName));
    }
    nameSlot(box, name, SlotTextNames, "Function");
}

}  // namespace

void NameControls(QWidget& window, const FormDesign& design) {
    for (const ControlDesign& c : design.controls) {
        auto* control = window.findChild<QWidget*>(c.name);
        if (c.spokenName) control->setAccessibleName(c.spokenName);
        switch (c.kind) {
            case ControlKind::TextBox:
            case ControlKind::ComboBox: nameBox(window, control, c.name); break;
            case ControlKind::CheckBox: nameSlot(control, c.name, SlotCheckNames, "On"); break;
            case ControlKind::Swatch: control->setAccessibleName(ColorNames[c.index]); break;
            default: break;  // named by their captions
        }
    }
}

}  // namespace plotmere
