#include "app/qt/state_binding.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "analysis/graph_description.h"
#include "app/qt/form_window.h"
#include "app/qt/picture_widget.h"
#include "console/control_registry.h"

namespace plotmere {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string name(const QObject* object) { return object->objectName().toStdString(); }

template <class Widget>
void showText(Widget* widget, const std::string& text) {
    if (widget->text() != q(text)) widget->setText(q(text));
}

// A number the core wrote into a narrow box reads from its first digit.
void showText(QLineEdit* edit, const std::string& text) {
    if (edit->text() == q(text)) return;
    edit->setText(q(text));
    if (!edit->hasFocus()) edit->setCursorPosition(0);
}

void showCombo(QComboBox* box, const ComboBox& combo) {
    QStringList items;
    for (const std::string& item : combo.List) items << q(item);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    if (shown != items) {
        box->clear();
        box->addItems(items);
    }
    if (box->currentText() != q(combo.Text)) box->setEditText(q(combo.Text));
}

void showLabel(QLabel* widget, const Label& label) {
    showText(widget, label.Caption);
    const QColor color = ToQColor(QBColor(label.ForeColor));
    if (widget->palette().color(QPalette::WindowText) == color) return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

void showSelected(QButtonGroup* group, int selected) {
    QAbstractButton* button = group->button(selected);
    if (button && !button->isChecked()) button->setChecked(true);
}

void showForm(FormWindow* window, const Form& form) {
    if (window->windowTitle() != q(form.Caption)) window->setWindowTitle(q(form.Caption));
    if (window->isVisible() != form.Visible) window->setVisible(form.Visible);
}

}  // namespace

StateBinding::StateBinding(Console& console, std::initializer_list<FormWindow*> forms)
    : console_(console), s_(console.state()) {
    for (FormWindow* form : forms) bind(*form);
}

void StateBinding::bind(FormWindow& form) {
    if (Form* state = FindState<Form>(s_, name(&form))) {
        forms_.emplace_back(&form, state);
        connect(&form, &FormWindow::closed, this, [state] { state->Visible = false; });
    }
    for (auto* picture : form.findChildren<PictureWidget*>()) {
        pictures_.push_back(picture);
        connect(picture, &PictureWidget::pressed, this, [this](float u, float v) {
            console_.MouseDown(u, v);
            Sync();
        });
        connect(picture, &PictureWidget::pointerMoved, this, [this, picture] { showReadout(picture); });
    }
    for (auto* label : form.findChildren<QLabel*>()) {
        label->installEventFilter(this);
        if (Label* state = FindState<Label>(s_, name(label))) labels_.emplace_back(label, state);
    }
    bindBoxes(form);
    bindButtons(form);
}

void StateBinding::bindBoxes(FormWindow& form) {
    for (auto* edit : form.findChildren<QLineEdit*>()) {
        TextBox* box = FindState<TextBox>(s_, name(edit));
        if (!box) continue;
        edits_.emplace_back(edit, box);
        connect(edit, &QLineEdit::textChanged, this, [this, box](const QString& typed) {
            if (!syncing_) box->Text = typed.toStdString();
        });
    }
    for (auto* box : form.findChildren<QComboBox*>()) {
        ComboBox* combo = FindState<ComboBox>(s_, name(box));
        if (!combo) continue;
        combos_.emplace_back(box, combo);
        connect(box, &QComboBox::editTextChanged, this, [this, combo](const QString& typed) {
            if (!syncing_) combo->Text = typed.toStdString();
        });
    }
}

void StateBinding::bindButtons(FormWindow& form) {
    for (auto* button : form.findChildren<QPushButton*>()) {
        if (auto* state = FindState<CommandButton>(s_, name(button))) captions_.emplace_back(button, state);
        connect(button, &QPushButton::clicked, this, [this, button] { deliver(button->objectName()); });
    }
    for (auto* box : form.findChildren<QCheckBox*>()) {
        CheckBox* check = FindState<CheckBox>(s_, name(box));
        if (!check) continue;
        checks_.emplace_back(box, check);
        connect(box, &QCheckBox::clicked, this, [this, box, check](bool checked) {
            check->Value = checked ? 1 : 0;
            deliver(box->objectName());
        });
    }
    for (auto* group : form.findChildren<QButtonGroup*>()) {
        OptionGroup* options = FindState<OptionGroup>(s_, name(group));
        if (!options) continue;
        groups_.emplace_back(group, options);
        connect(group, &QButtonGroup::idClicked, this, [this, group, options](int id) {
            options->Selected = id;
            deliver(group->objectName());
        });
    }
}

void StateBinding::deliver(const QString& control) {
    console_.Click(control.toStdString());
    Sync();
}

void StateBinding::Tick(TimerId id) {
    console_.Tick(id);
    Sync();
}

void StateBinding::CloseAll() {
    for (auto [window, form] : forms_) form->Visible = false;
    Sync();
}

void StateBinding::Sync() {
    syncing_ = true;
    for (auto [edit, box] : edits_) showText(edit, box->Text);
    for (auto [box, combo] : combos_) showCombo(box, *combo);
    for (auto [widget, label] : labels_) showLabel(widget, *label);
    for (auto [box, check] : checks_) {
        box->setCheckState(check->Value == 0   ? Qt::Unchecked
                           : check->Value == 1 ? Qt::Checked
                                               : Qt::PartiallyChecked);
    }
    for (auto [group, options] : groups_) showSelected(group, options->Selected);
    for (auto [button, state] : captions_) showText(button, state->Caption);
    const QString graph = q(GraphDescription(s_));
    for (PictureWidget* picture : pictures_) {
        picture->update();
        // Only a change: Qt tells screen readers of every description set.
        if (picture->accessibleDescription() != graph) picture->setAccessibleDescription(graph);
        showReadout(picture);  // a command may have changed the window under the pointer
    }
    // Windows last, so that one coming into view shows its new texts at once.
    for (auto [window, form] : forms_) showForm(window, *form);
    syncing_ = false;
}

void StateBinding::showReadout(PictureWidget* picture) {
    const std::optional<QPointF> at = picture->pointer();
    const auto text = at ? console_.PointerReadout(static_cast<float>(at->x()), static_cast<float>(at->y()),
                                                   picture->scale())
                         : std::nullopt;
    picture->ShowReadout(q(text.value_or("")));
}

bool StateBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            deliver(label->objectName());
        }
    }
    return false;
}

}  // namespace plotmere
