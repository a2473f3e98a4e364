// What the Console and Settings windows show at start, and that every caption
// of the three windows fits its control in the fonts this machine has.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QRadioButton>
#include <cmath>

#include "app/qt/artwork.h"
#include "window_fixture.h"

namespace plotmere::testing {
namespace {

using ConsoleWindowTest = WindowTest;

// Drawn from its SVG at any size: the red root marker on the curve shows even at 16 pixels.
TEST(WindowIconTest, DrawsAtTheSizesADesktopAsksFor) {
    for (int size : {16, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = WindowIcon().pixmap(QSize(size, size), 1.0).toImage();
        ASSERT_EQ(icon.size(), QSize(size, size));
        const QColor marker = icon.pixelColor(size * 18 / 64, size * 38 / 64);
        EXPECT_GT(marker.red(), 200);
        EXPECT_LT(marker.green(), 100);
    }
}

TEST_F(ConsoleWindowTest, StartsInItsLoadState) {
    EXPECT_EQ(consoleWindow.windowTitle(), "Plotmere 7G");
    EXPECT_TRUE(consoleWindow.isVisible());
    EXPECT_FALSE(windows.settingsWindow().isVisible());
    EXPECT_EQ(functionIn()->text(), "x");
    EXPECT_EQ(find<QComboBox>("FunctionIn")->count(), 0);
    const std::pair<const char*, const char*> boxes[] = {
        {"Xequals", "0"}, {"Text3", "10"}, {"Text4", "-10"}, {"Text5", "10"}, {"Text6", "-10"}};
    for (auto [name, text] : boxes) EXPECT_EQ(box(name)->text(), text) << name;
    EXPECT_EQ(label("Status")->text(), "Ready");
    EXPECT_EQ(color(label("Status")), QColor(0, 0, 0));
    EXPECT_EQ(label("Result")->text(), ResultNotice);
    EXPECT_FALSE(find<QCheckBox>("WhichOp")->isChecked());
    EXPECT_EQ(find<QButtonGroup>("GraphMode")->checkedId(), 0);
    EXPECT_EQ(find<QButtonGroup>("Option1")->checkedId(), 0);
    EXPECT_TRUE(button("Evaluate")->isDefault());

    ASSERT_TRUE(QTest::qWaitForWindowActive(&consoleWindow));
    EXPECT_EQ(QApplication::focusWidget(), box("Xequals"));
}

TEST_F(ConsoleWindowTest, SettingsStartWithTheirRanges) {
    QWidget* settings = &windows.settingsWindow();
    EXPECT_EQ(settings->windowTitle(), "Settings");
    EXPECT_TRUE(find<QCheckBox>("Axes", settings)->isChecked());
    const std::pair<const char*, const char*> boxes[] = {
        {"XTickbox", "1"},  {"YTickbox", "1"}, {"ThetaMin", "0"},  {"ThetaMax", "2p"},
        {"ThetaStep", "1"}, {"ParamMin", "0"}, {"ParamMax", "10"}, {"ParamStep", "1"}};
    for (auto [name, text] : boxes) EXPECT_EQ(find<QLineEdit>(name, settings)->text(), text) << name;
}

// The faces of the design, or their metric-compatible twins; never a fallback
// of another width.
TEST_F(ConsoleWindowTest, FontsAreTheDesignsFacesOrTheirTwins) {
    const std::pair<const char*, QStringList> faces[] = {
        {"Label1", {"Arial", "Liberation Sans"}},        {"FunctionIn", {"Courier New", "Liberation Mono"}},
        {"Xequals", {"Courier New", "Liberation Mono"}}, {"Status", {"Small Fonts", "Liberation Sans"}},
        {"Evaluate", {"Arial", "Liberation Sans"}},
    };
    for (const auto& [name, families] : faces) {
        EXPECT_TRUE(families.contains(QFontInfo(find(name)->font()).family())) << name;
    }
    const QFont row = find("f9", &windows.functionListWindow())->font();
    EXPECT_TRUE(QStringList({"Courier New", "Liberation Mono"}).contains(QFontInfo(row).family()));
    EXPECT_DOUBLE_EQ(row.pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(label("Label1")->font().pointSizeF(), 9.75);
    EXPECT_DOUBLE_EQ(label("Status")->font().pointSizeF(), 6.75);
}

// A caption wider or taller than its control would be cut off.
void expectCaptionsFit(QWidget* form) {
    for (auto* label : form->findChildren<QLabel*>()) {
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << qPrintable(label->objectName());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << qPrintable(label->objectName());
    }
    for (auto* button : form->findChildren<QAbstractButton*>()) {
        const int indicator = qobject_cast<QPushButton*>(button) ? 4 : 13 + 4;  // margins, or the indicator
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + indicator, button->width())
            << qPrintable(button->objectName()) << " " << qPrintable(button->text());
        EXPECT_LE(button->fontMetrics().height(), button->height()) << qPrintable(button->objectName());
    }
    for (auto* edit : form->findChildren<QLineEdit*>()) {
        EXPECT_LE(edit->fontMetrics().height() + 2, edit->height()) << qPrintable(edit->objectName());
    }
}

TEST_F(ConsoleWindowTest, EveryCaptionFitsItsControl) {
    expectCaptionsFit(&consoleWindow);
    expectCaptionsFit(&windows.settingsWindow());
    expectCaptionsFit(&windows.functionListWindow());
}

// At a device pixel ratio above 1 the picture is drawn at that ratio, one image
// pixel to one device pixel.
TEST_F(ConsoleWindowTest, PictureMatchesTheScreensPixels) {
    const double ratio = find("Picture1")->devicePixelRatioF();
    EXPECT_EQ(windows.picture().scale(), ratio);
    EXPECT_EQ(windows.picture().image().width(), std::lround(274 * ratio));
}

}  // namespace
}  // namespace plotmere::testing
