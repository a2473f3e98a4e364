// The status line's fading colour, message boxes, and clicks while a command runs.

#include <QMessageBox>
#include <QTimer>

#include "app/qt/dialogs.h"
#include "window_fixture.h"

namespace plotmere::testing {
namespace {

const QColor darkBlue(0, 0, 128), black(0, 0, 0);

using StatusLineTest = WindowTest;

TEST_F(StatusLineTest, MessageTurnsBlackWhenItsIntervalEnds) {
    QTimer& fade = windows.host().timer(TimerId::TextReset);
    click(button("SetFunc"));
    EXPECT_EQ(label("Status")->text(), "Function stored as F.");
    EXPECT_EQ(color(label("Status")), darkBlue);
    EXPECT_TRUE(fade.isActive());
    EXPECT_EQ(fade.interval(), 3000);

    QMetaObject::invokeMethod(&fade, "timeout");
    EXPECT_EQ(color(label("Status")), black);
    EXPECT_EQ(label("Status")->text(), "Function stored as F.");
    EXPECT_FALSE(fade.isActive());
}

TEST_F(StatusLineTest, SecondMessageRestartsTheInterval) {
    QTimer& fade = windows.host().timer(TimerId::TextReset);
    click(button("SetFunc"));
    QTest::qWait(100);
    const int left = fade.remainingTime();
    ASSERT_LE(left, 2900);
    click(button("SetFunc"));
    EXPECT_GT(fade.remainingTime(), left);
    EXPECT_EQ(color(label("Status")), darkBlue);
}

using MessageBoxTest = WindowTest;

TEST_F(MessageBoxTest, BoxesShowTheCoresTextsWithLineBreaks) {
    click(button("HelpMe"));
    click(button("SetMem"));
    ASSERT_EQ(boxes.shown.size(), 2u);
    const QStringList help = boxes.shown[0].text.split('\n');
    ASSERT_EQ(help.size(), 4);
    EXPECT_TRUE(help[0].startsWith("For help, go to "));
    EXPECT_EQ(help[1], "& click on the tutorial link.");
    EXPECT_EQ(help[2], "");
    EXPECT_TRUE(help[3].startsWith("Version 7G  :  "));
    EXPECT_EQ(boxes.shown[0].title, "Plotmere");
    EXPECT_EQ(boxes.shown[1].text, "Value to be stored is not a number.");
}

// The core lets events through while it shows a box; a click then must not
// start a second command, and the window already shows the command running.
TEST_F(MessageBoxTest, ClicksWhileACommandRunsAreIgnored) {
    QString captionWhileOpen;
    boxes.whileOpen = [&] {
        captionWhileOpen = consoleWindow.windowTitle();
        boxes.whileOpen = nullptr;
        click(button("Evaluate"));
        click(button("HelpMe"));
    };
    typeInto(functionIn(), "$[abc]");
    click(button("Evaluate"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Variable abc not found.");
    EXPECT_EQ(captionWhileOpen, "Plotmere <running>");
    EXPECT_EQ(find<QComboBox>("FunctionIn")->count(), 1);
    EXPECT_EQ(consoleWindow.windowTitle(), "Plotmere");
}

// The real modal box, answered by a user who clicks OK.
TEST(ModalMessageBoxTest, ShowsTitleTextAndIconAndCanBeAnswered) {
    ModalDialogs modal;
    WindowConsole windows(modal);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    answer.start(20);
    auto* functionIn = windows.consoleWindow().findChild<QComboBox*>("FunctionIn")->lineEdit();
    functionIn->setText("(2");
    QTest::keyClick(functionIn, Qt::Key_Return);
    EXPECT_EQ(title, "Not so fast");
    EXPECT_EQ(text, "Parentheses Error:  ) not found.");
    EXPECT_EQ(icon, QMessageBox::Warning);
}

}  // namespace
}  // namespace plotmere::testing
