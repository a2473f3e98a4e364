// The user's keys, clicks and edits reach the core through the widgets, and
// what the core writes shows at once; the real modal boxes can be answered.

#include <QButtonGroup>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/qt/image_picture.h"
#include "window_fixture.h"

namespace plotmere::testing {
namespace {

using WindowInputTest = WindowTest;

TEST_F(WindowInputTest, EnterEvaluatesOnceCtrlKeysScaleAndEscQuits) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&consoleWindow));
    const QString typed = functionIn()->text();
    const std::pair<QKeyCombination, int> scaleKeys[] = {{Qt::CTRL | Qt::Key_Plus, 125},
                                                         {Qt::CTRL | Qt::Key_Equal, 150},
                                                         {Qt::CTRL | Qt::Key_Minus, 125},
                                                         {Qt::CTRL | Qt::Key_0, 100}};
    for (auto [key, percent] : scaleKeys) {
        QTest::keyClick(functionIn(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(windows.viewScale().percent(), percent) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(functionIn()->text(), typed) << "the scale keys typed nothing";
    typeInto(functionIn(), "2*3+1");
    QTest::keyClick(functionIn(), Qt::Key_Return);
    EXPECT_EQ(label("Result")->text(), "8");
    typeInto(functionIn(), "x*x");
    typeInto(box("Xequals"), "1+2");
    QTest::keyClick(box("Xequals"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(label("Result")->text(), "9");
    EXPECT_EQ(history()->count(), 2) << "Enter must not add a history entry of its own";
    EXPECT_EQ(functionIn()->text(), "x*x") << "the refilled history keeps the typed text";
    QGuiApplication::clipboard()->clear();
    click(label("Result"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "9");

    QSignalSpy ended(&windows.host(), &QtHost::programEnded);
    click("GetSet");
    QTest::keyClick(functionIn(), Qt::Key_Escape);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(consoleWindow.isVisible() || settings->isVisible());
}

// List opens the Functions window beside a Console that stays usable; Enter
// there is OK and Esc is Cancel, neither reaching the Console.
TEST_F(WindowInputTest, FunctionListTakesItsOwnEnterAndEsc) {
    QSignalSpy ended(&windows.host(), &QtHost::programEnded);
    click("GotoFunkList");
    EXPECT_GE(list->x(), consoleWindow.frameGeometry().right());
    typeInto(box("f3", list), "x^2");
    click("OnChk3", list);
    typeInto(functionIn(), "2+3");
    click("Evaluate");
    EXPECT_EQ(label("Result")->text(), "5");
    QTest::keyClick(box("f3", list), Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(s.Functions[3].text, "x^2");
    EXPECT_EQ(s.Functions[3].on, 1);
    EXPECT_EQ(history()->count(), 1) << "Enter in the list must not run Evaluate";

    click("GotoFunkList");
    typeInto(box("f3", list), "edited");
    QTest::keyClick(box("f3", list), Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(consoleWindow.isVisible());
    EXPECT_EQ(ended.count(), 0) << "Esc in the list must not quit";
    EXPECT_EQ(s.Functions[3].text, "x^2");
}

TEST_F(WindowInputTest, EditsAndChoicesGoIntoTheStateAndTheCursorStays) {
    // A number the core writes reads from its first digit; a box it leaves alone keeps its cursor.
    typeInto(box("Xequals"), "12");
    click("TrigWin");
    click("ZOut");
    EXPECT_EQ(box("Text3")->text(), "12.5663706143592");
    EXPECT_EQ(box("Text3")->cursorPosition(), 0);
    EXPECT_EQ(box("Xequals")->cursorPosition(), 2);

    typeInto(box("Text3"), "20");
    click(find<QRadioButton>("Option1")->group()->button(1));
    click("GetSet");
    typeInto(box("ThetaMax", settings), "4p");
    click("Axes", settings);
    EXPECT_EQ(s.Text3.Text, "20");
    EXPECT_EQ(s.Option1.Selected, 1);
    EXPECT_EQ(s.Settings.ThetaMax.Text, "4p");
    EXPECT_EQ(s.Settings.Axes.Value, 0);
    click("SetDone", settings);
    EXPECT_FALSE(settings->isVisible());
}

TEST_F(WindowInputTest, StatusTurnsFromDarkBlueToBlackAndAMessageRestartsIt) {
    QTimer& fade = windows.host().timer(TimerId::TextReset);
    const auto colour = [&] { return label("Status")->palette().color(QPalette::WindowText); };
    click("SetFunc");
    EXPECT_EQ(colour(), ToQColor(QBColor(1)));
    EXPECT_EQ(fade.interval(), 3000);
    QTest::qWait(100);
    const int left = fade.remainingTime();
    click("SetFunc");
    EXPECT_GT(fade.remainingTime(), left);
    QMetaObject::invokeMethod(&fade, "timeout");
    EXPECT_EQ(colour(), ToQColor(QBColor(0)));
    EXPECT_FALSE(fade.isActive());
}

// The core lets events through while it shows a box; a click then must not
// start a second command, and the window already shows the command running.
TEST_F(WindowInputTest, ClicksWhileACommandRunsAreIgnoredAndBoxesBreakLines) {
    QString captionWhileOpen;
    const QString xMax = box("Text3")->text();
    boxes.whileOpen = [&] {
        captionWhileOpen = consoleWindow.windowTitle();
        for (const char* name : {"Evaluate", "HelpMe", "TrigWin"}) click(name);
    };
    typeInto(functionIn(), "$[abc]");
    click("Evaluate");
    EXPECT_EQ(boxes.shown, QStringList({"Plotmere: Variable abc not found."}));
    EXPECT_EQ(captionWhileOpen, "Plotmere <running>");
    EXPECT_EQ(history()->count(), 1);
    EXPECT_EQ(box("Text3")->text(), xMax);
    EXPECT_EQ(consoleWindow.windowTitle(), "Plotmere");

    click("HelpMe");
    EXPECT_TRUE(boxes.shown[1].contains("& click on the tutorial link.\n\nVersion 7G  :  "));
}

// The real boxes, answered by a user: OK on the message; on the save dialog,
// the first file type kept, then the third chosen, for names without an extension.
TEST(RealDialogsTest, MessageBoxAndSaveDialogCanBeAnswered) {
    QTemporaryDir folder;
    ModalDialogs modal;
    WindowConsole windows(modal);
    QStringList shown;
    int choice = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->windowTitle() + ": " + box->text() +
                         (box->icon() == QMessageBox::Warning ? " (!)" : "");
            box->button(QMessageBox::Ok)->click();
        } else if (auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            shown = box->nameFilters();
            box->selectNameFilter(shown.value(choice));
            emit box->filterSelected(shown.value(choice));  // as the user's choice does
            static_cast<QDialog*>(box)->accept();           // as its Save button does
        }
    });
    answer.start(20);
    auto* functionIn = windows.consoleWindow().findChild<QComboBox*>("FunctionIn")->lineEdit();
    functionIn->setText("(2");
    QTest::keyClick(functionIn, Qt::Key_Return);
    EXPECT_EQ(shown, QStringList({"Not so fast: Parentheses Error:  ) not found. (!)"}));

    // Each its own name: the dialog's completer would offer the first one's file again.
    for (auto [filter, name] : {std::pair{0, "graph"}, {2, "drawing"}}) {
        choice = filter;
        windows.console().state().Dialog1.FileName = folder.filePath(name).toStdString();
        QTest::mouseClick(windows.consoleWindow().findChild<QPushButton*>("Saver"), Qt::LeftButton);
    }
    EXPECT_EQ(shown, QStringList({"Picture (*.bmp)", "PNG image (*.png)", "SVG drawing (*.svg)"}));
    EXPECT_TRUE(QFile::exists(folder.filePath("graph.bmp")));
    EXPECT_EQ(windows.consoleWindow().findChild<QLabel*>("Status")->text(), folder.filePath("drawing.svg"));
}

}  // namespace
}  // namespace plotmere::testing
