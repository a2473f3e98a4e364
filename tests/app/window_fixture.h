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
#include <utility>

#include "app/qt/window_console.h"

namespace plotmere::testing {

class RecordingDialogs : public Dialogs {
public:
    void ShowMessage(QWidget*, const QString& text, const QString& title, MsgIcon) override {
        shown << title + ": " + text;
        if (whileOpen) std::exchange(whileOpen, nullptr)();
    }
    bool ChooseSaveFile(QWidget*, SaveDialog&) override { return false; }  // cancelled

    QStringList shown;
    std::function<void()> whileOpen;  // what the user does while the next box is up
};

// A screen area that holds the Console window at every step.
constexpr QRect roomyScreen{0, 0, 3840, 2160};

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        windows.placement().SetArea([](const QWidget&) { return roomyScreen; });
    }

    template <class Control = QWidget>
    Control* find(const char* name, QWidget* form = nullptr) {
        auto* control = (form ? form : &consoleWindow)->findChild<Control*>(name);
        if (!control) ADD_FAILURE() << "no control named " << name;
        return control;
    }
    QLabel* label(const char* name) { return find<QLabel>(name); }
    QLineEdit* box(const char* name, QWidget* form = nullptr) { return find<QLineEdit>(name, form); }
    QComboBox* history() { return find<QComboBox>("FunctionIn"); }
    QLineEdit* functionIn() { return history()->lineEdit(); }

    // Replaces the text of a box as a user does: select all, then type.
    void typeInto(QLineEdit* edit, const char* text) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
    }
    void click(const char* name, QWidget* form = nullptr) { click(find(name, form)); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    RecordingDialogs boxes;
    WindowConsole windows{boxes};
    FormWindow& consoleWindow = windows.consoleWindow();
    QWidget* settings = &windows.settingsWindow();
    QWidget* list = &windows.functionListWindow();
    ConsoleState& s = windows.console().state();
};

}  // namespace plotmere::testing
