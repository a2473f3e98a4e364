#pragma once
// The calculator in its windows, with message boxes that are recorded and
// answered at once; tests drive the real widgets by name.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <vector>

#include "app/qt/window_console.h"

namespace plotmere::testing {

struct ShownBox {
    QString text, title;
    MsgIcon icon;
};

class RecordingDialogs : public Dialogs {
public:
    void ShowMessage(QWidget*, const QString& text, const QString& title, MsgIcon icon) override {
        shown.push_back({text, title, icon});
        if (whileOpen) whileOpen();
    }

    bool ChooseSaveFile(QWidget*, SaveDialog& dialog) override {
        if (saveAnswer.isEmpty()) return false;
        dialog.FileName = saveAnswer.toStdString();
        return true;
    }

    std::vector<ShownBox> shown;
    std::function<void()> whileOpen;  // what the user does while the box is up
    QString saveAnswer;               // the file the save dialog returns; empty: cancelled
};

class WindowTest : public ::testing::Test {
protected:
    template <class Control = QWidget>
    Control* find(const char* name, QWidget* form = nullptr) {
        auto* control = (form ? form : &consoleWindow)->findChild<Control*>(name);
        if (!control) ADD_FAILURE() << "no control named " << name;
        return control;
    }
    QLabel* label(const char* name) { return find<QLabel>(name); }
    QLineEdit* box(const char* name) { return find<QLineEdit>(name); }
    QPushButton* button(const char* name, QWidget* form = nullptr) { return find<QPushButton>(name, form); }
    QLineEdit* functionIn() { return find<QComboBox>("FunctionIn")->lineEdit(); }

    // Replaces the text of a box as a user does: select all, then type.
    void typeInto(QLineEdit* edit, const char* text) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    QColor color(QLabel* widget) { return widget->palette().color(QPalette::WindowText); }

    RecordingDialogs boxes;
    WindowConsole windows{boxes};
    FormWindow& consoleWindow = windows.consoleWindow();
    ConsoleState& s = windows.console().state();
};

}  // namespace plotmere::testing
