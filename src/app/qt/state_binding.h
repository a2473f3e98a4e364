#pragma once
// Keeps the windows and the console's state one. What the user types, ticks or
// selects goes into the state at once; clicks go to the core by control name;
// after every event delivered to the core, and whenever the core lets pending
// events run, the widgets show what the state says.

#include <QObject>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "console/console.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plotmere {

class FormWindow;
class PictureWidget;

class StateBinding : public QObject {
    Q_OBJECT
public:
    StateBinding(Console& console, std::initializer_list<FormWindow*> forms);

    // Shows the state. A text is set only where it differs, so that a box being
    // edited keeps its cursor and selection.
    void Sync();
    void Tick(TimerId id);
    // The program ended: every window closes.
    void CloseAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(FormWindow& form);
    void bindBoxes(FormWindow& form);
    void bindButtons(FormWindow& form);
    void deliver(const QString& control);
    void showReadout(PictureWidget* picture);

    Console& console_;
    ConsoleState& s_;
    bool syncing_ = false;
    std::vector<std::pair<FormWindow*, Form*>> forms_;
    std::vector<std::pair<QLineEdit*, TextBox*>> edits_;
    std::vector<std::pair<QComboBox*, ComboBox*>> combos_;
    std::vector<std::pair<QLabel*, Label*>> labels_;
    std::vector<std::pair<QCheckBox*, CheckBox*>> checks_;
    std::vector<std::pair<QButtonGroup*, OptionGroup*>> groups_;
    std::vector<std::pair<QPushButton*, CommandButton*>> captions_;
    std::vector<PictureWidget*> pictures_;
};

}  // namespace plotmere
