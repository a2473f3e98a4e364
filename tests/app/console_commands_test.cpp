// The user's keys, clicks and edits reach the core, and what the commands
// write shows at once.

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QRadioButton>
#include <QSignalSpy>

#include "window_fixture.h"

namespace plotmere::testing {
namespace {

using ConsoleCommandsTest = WindowTest;

TEST_F(ConsoleCommandsTest, EnterInAnyBoxRunsEvaluate) {
    typeInto(functionIn(), "2*3+1");
    QTest::keyClick(functionIn(), Qt::Key_Return);
    EXPECT_EQ(label("Result")->text(), "8");
    EXPECT_EQ(consoleWindow.windowTitle(), "Plotmere");
    EXPECT_EQ(find<QComboBox>("FunctionIn")->itemText(0), "2*3+1");
    EXPECT_EQ(find<QComboBox>("FunctionIn")->count(), 1) << "Enter must not add a second history entry";

    typeInto(functionIn(), "x*x");
    typeInto(box("Xequals"), "1+2");
    QTest::keyClick(box("Xequals"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(label("Result")->text(), "9");
    EXPECT_EQ(find<QComboBox>("FunctionIn")->count(), 2);
}

// Whether anything but the white background shows inside the picture's border.
bool pictureShowsSomething(QWidget* picture) {
    const QImage shown = picture->grab().toImage();
    const QRect inside(QPoint(2, 2) * shown.devicePixelRatio(),
                       (picture->size() - QSize(4, 4)) * shown.devicePixelRatio());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (shown.pixelColor(x, y) != Qt::white) return true;
        }
    }
    return false;
}

TEST_F(ConsoleCommandsTest, EvaluateRemovesTheStartupPicture) {
    EXPECT_TRUE(pictureShowsSomething(find("Picture1")));
    click(button("Evaluate"));
    EXPECT_FALSE(pictureShowsSomething(find("Picture1")));
}

TEST_F(ConsoleCommandsTest, EscEndsTheProgramAndClosesEveryWindow) {
    QSignalSpy ended(&windows.host(), &QtHost::programEnded);
    click(button("GetSet"));
    ASSERT_TRUE(windows.settingsWindow().isVisible());
    QTest::keyClick(functionIn(), Qt::Key_Escape);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(consoleWindow.isVisible());
    EXPECT_FALSE(windows.settingsWindow().isVisible());
}

TEST_F(ConsoleCommandsTest, GraphBoxRelabelsTheEvaluateButton) {
    auto* graph = find<QCheckBox>("WhichOp");
    click(graph);
    EXPECT_EQ(s.WhichOp.Value, 1);
    EXPECT_EQ(button("Evaluate")->text(), "Graph");
    click(graph);
    EXPECT_EQ(button("Evaluate")->text(), "Evaluate");
}

TEST_F(ConsoleCommandsTest, ClickingTheResultCopiesIt) {
    typeInto(functionIn(), "-2.5");
    click(button("Evaluate"));
    ASSERT_EQ(label("Result")->text(), "-2.5");
    QGuiApplication::clipboard()->setText("before");
    click(label("Result"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "-2.5");
}

TEST_F(ConsoleCommandsTest, EditsAndChoicesGoIntoTheState) {
    typeInto(box("Text3"), "20");
    click(find<QRadioButton>("Option1")->group()->button(1));
    click(button("GetSet"));
    QWidget* settings = &windows.settingsWindow();
    typeInto(find<QLineEdit>("ThetaMax", settings), "4p");
    click(find<QCheckBox>("Axes", settings));
    EXPECT_EQ(s.Text3.Text, "20");
    EXPECT_EQ(s.Option1.Selected, 1);
    EXPECT_EQ(s.Settings.ThetaMax.Text, "4p");
    EXPECT_EQ(s.Settings.Axes.Value, 0);

    click(button("SetDone", settings));
    EXPECT_FALSE(settings->isVisible());
    EXPECT_TRUE(consoleWindow.isVisible());
}

TEST_F(ConsoleCommandsTest, ClearHistoryEmptiesListAndBox) {
    click(button("Evaluate"));
    click(button("Evaluate"));
    EXPECT_EQ(find<QComboBox>("FunctionIn")->count(), 2);
    click(button("ClearHistory"));
    EXPECT_EQ(find<QComboBox>("FunctionIn")->count(), 0);
    EXPECT_EQ(functionIn()->text(), "");
}

// Showing the state after an event must not move the cursor of the box being typed in.
TEST_F(ConsoleCommandsTest, ShowingTheStateLeavesTheEditedBoxAlone) {
    typeInto(box("Xequals"), "12");
    QTest::keyClick(box("Xequals"), Qt::Key_Home);
    click(button("SetFunc"));
    EXPECT_EQ(box("Xequals")->cursorPosition(), 0);
    EXPECT_EQ(box("Xequals")->text(), "12");
}

TEST_F(ConsoleCommandsTest, NumbersWrittenIntoTheBoundBoxesReadFromTheirFirstDigit) {
    click(button("TrigWin"));
    click(button("ZOut"));
    EXPECT_EQ(box("Text3")->text(), "12.5663706143592");
    EXPECT_EQ(box("Text3")->cursorPosition(), 0);
}

}  // namespace
}  // namespace plotmere::testing
