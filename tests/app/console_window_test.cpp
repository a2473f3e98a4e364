// The windows at start, and every caption fitting its control in this machine's fonts.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <cmath>

#include "app/qt/artwork.h"
#include "console/control_registry.h"
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

QString shownBy(WindowConsole& w, const char* name) {  // as ShownText words it
    for (QWidget* form : {&w.consoleWindow(), &w.settingsWindow(), &w.functionListWindow()}) {
        if (form->objectName() == name) return form->windowTitle();
        if (auto* group = form->findChild<QButtonGroup*>(name)) return QString::number(group->checkedId());
        if (auto* check = form->findChild<QCheckBox*>(name)) return QString::number(check->isChecked());
        if (auto* combo = form->findChild<QComboBox*>(name)) return combo->currentText();
        if (auto* widget = form->findChild<QWidget*>(name)) return widget->property("text").toString();
    }
    return "(no widget)";
}

// Every control of the registry has its widget, and at start each shows its state.
TEST_F(ConsoleWindowTest, EveryRegisteredControlShowsItsState) {
    for (const Control& control : Controls) {
        const std::optional<std::string> text = ShownText(control.StateIn(s));
        if (text) EXPECT_EQ(shownBy(windows, control.name), QString::fromStdString(*text)) << control.name;
        else EXPECT_NE(shownBy(windows, control.name), "(no widget)") << control.name;
    }
    EXPECT_TRUE(button("Evaluate")->isDefault());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&consoleWindow));
    EXPECT_EQ(QApplication::focusWidget(), box("Xequals"));
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
