// The Functions window through its widgets: opened by "List" beside a Console
// that stays usable, "OK" (Enter) stores the rows, "Cancel" (Esc) drops them.

#include <QCheckBox>
#include <QSignalSpy>

#include "window_fixture.h"

namespace plotmere::testing {
namespace {

class FunctionListWindowTest : public WindowTest {
protected:
    void open() {
        click(button("GotoFunkList"));
        ASSERT_TRUE(list->isVisible());
    }
    QLineEdit* row(const char* name) { return find<QLineEdit>(name, list); }
    QCheckBox* on(const char* name) { return find<QCheckBox>(name, list); }

    QWidget* list = &windows.functionListWindow();
};

TEST_F(FunctionListWindowTest, ListOpensItBesideTheConsoleWithRowZeroFromTheFunctionBox) {
    EXPECT_FALSE(list->isVisible());
    typeInto(functionIn(), "Sx");
    open();
    EXPECT_EQ(row("f0")->text(), "Sx");
    EXPECT_GE(list->x(), consoleWindow.frameGeometry().right());

    // Modeless: the Console still takes commands, and the next opening
    // follows the function box again.
    typeInto(functionIn(), "2+3");
    click(button("Evaluate"));
    EXPECT_EQ(label("Result")->text(), "5");
    open();
    EXPECT_EQ(row("f0")->text(), "2+3");
    EXPECT_TRUE(on("OnChk0")->isChecked()) << "Evaluate switched slot 0 on";
}

TEST_F(FunctionListWindowTest, EnterStoresTheRowsAndEscDropsThem) {
    QSignalSpy ended(&windows.host(), &QtHost::programEnded);
    open();
    typeInto(row("f3"), "x^2");
    click(on("OnChk3"));
    QTest::keyClick(row("f3"), Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(s.Functions[3].text, "x^2");
    EXPECT_EQ(s.Functions[3].on, 1);
    EXPECT_EQ(find<QComboBox>("FunctionIn")->count(), 0) << "Enter in the list must not run Evaluate";

    open();
    typeInto(row("f3"), "edited");
    click(on("OnChk3"));
    QTest::keyClick(row("f3"), Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(ended.count(), 0) << "Esc in the list must not quit";
    EXPECT_TRUE(consoleWindow.isVisible());
    EXPECT_EQ(s.Functions[3].text, "x^2");
    open();
    EXPECT_EQ(row("f3")->text(), "x^2");
    EXPECT_TRUE(on("OnChk3")->isChecked());
}

TEST_F(FunctionListWindowTest, EachRowShowsTheColourOfItsSlot) {
    const QColor colours[] = {{0, 0, 0},     {0, 0, 128},   {0, 128, 0},     {0, 128, 128},   {128, 0, 0},
                              {128, 0, 128}, {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255}};
    open();
    for (int i = 0; i < FunctionSlots; ++i) {
        const QString name = QString("FuncColor%1").arg(i);
        auto* swatch = list->findChild<QWidget*>(name);
        ASSERT_TRUE(swatch) << qPrintable(name);
        const QImage shown = swatch->grab().toImage();
        EXPECT_EQ(shown.pixelColor(shown.rect().center()), colours[i]) << qPrintable(name);
    }
}

}  // namespace
}  // namespace plotmere::testing
