#include "app/qt/accessible_names.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/design/spoken_names.h"

namespace plotmere {

namespace {

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

}  // namespace

void NameControls(QWidget& window, const FormDesign& design) {
    for (const ControlDesign& c : design.controls) {
        auto* control = window.findChild<QWidget*>(c.name);
        if (c.label) nameByLabel(control, window.findChild<QLabel*>(c.label));
        else if (const std::string spoken = SpokenName(c); !spoken.empty())
            control->setAccessibleName(QString::fromStdString(spoken));
    }
}

}  // namespace plotmere
