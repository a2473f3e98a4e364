// The windows as designed at every view scale (places, faces, the picture
// pixel for pixel), their state at start, and the scale's steps and menu.

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QToolTip>
#include <array>
#include <cmath>
#include <map>

#include "app/qt/artwork.h"
#include "app/qt/image_picture.h"
#include "app/qt/scale_controls.h"
#include "app/qt/view_scale.h"
#include "app/qt/window_style.h"
#include "console/control_registry.h"
#include "window_fixture.h"

namespace plotmere::testing {
namespace {

using WindowLayoutTest = WindowTest;

// Drawn from its SVG at any size: the red root marker shows even at 16 pixels.
TEST(WindowIconTest, DrawsAtTheSizesADesktopAsksFor) {
    for (int size : {16, 256}) {
        const QImage icon = WindowIcon().pixmap(QSize(size, size), 1.0).toImage();
        const QColor marker = icon.pixelColor(size * 18 / 64, size * 38 / 64);
        EXPECT_TRUE(icon.size() == QSize(size, size) && marker.red() > 200 && marker.green() < 100) << size;
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

// At start and after each command every control shows what the state holds.
TEST_F(WindowLayoutTest, EveryRegisteredControlShowsItsState) {
    const auto expectStateShown = [this] {
        for (const Control& control : Controls) {
            const std::optional<std::string> text = ShownText(control.StateIn(s));
            if (text)
                EXPECT_EQ(shownBy(windows, control.name), QString::fromStdString(*text)) << control.name;
            else EXPECT_NE(shownBy(windows, control.name), "(no widget)") << control.name;
        }
    };
    expectStateShown();
    EXPECT_TRUE(find<QPushButton>("Evaluate")->isDefault());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&consoleWindow));
    EXPECT_EQ(QApplication::focusWidget(), box("Xequals"));
    // The start-up picture shows until the first command.
    QImage white = windows.picture().image();
    white.fill(Qt::white);
    EXPECT_NE(windows.picture().image(), white);
    click("Evaluate");
    EXPECT_EQ(windows.picture().image(), white);
    click("WhichOp");  // renames Evaluate
    expectStateShown();
}

// Places and sizes are the design's twips (1440 to the inch; 96 pixels to the
// inch at 100 %) times the scale; the faces are the design's or their
// metric-compatible twins, never a fallback of another width.
TEST_F(WindowLayoutTest, WindowsAreTheirDesignTimesTheScale) {
    const std::pair<FormWindow*, const FormDesign*> forms[] = {
        {&consoleWindow, &ConsoleDesign()},
        {&windows.settingsWindow(), &SettingsDesign()},
        {&windows.functionListWindow(), &FunctionListDesign()}};
    const QStringList sans{"Arial", "Liberation Sans", "Small Fonts"}, mono{"Courier New", "Liberation Mono"};
    const std::tuple<QWidget*, double, QStringList> fonts[] = {
        {find("Evaluate"), 8, sans},  {find("Label1"), 9.75, sans},   {find("Xequals"), 9, mono},
        {find("Status"), 6.75, sans}, {find("f9", list), 9.75, mono},
    };
    // What the program shows beside its windows follows the scale too.
    const auto shownFonts = [] {
        return std::array{QMenu().font().pointSizeF(), QMessageBox().font().pointSizeF(),
                          QToolTip::font().pointSizeF()};
    };
    const auto fullSize = shownFonts();
    std::map<int, int> arrows;
    for (int percent : {400, 100}) {
        SCOPED_TRACE(percent);
        windows.viewScale().Set(percent);
        const double scale = percent / 100.0;
        auto px = [scale](int twips) { return static_cast<int>(std::lround(twips * scale * 96 / 1440)); };
        for (auto [form, design] : forms) {
            EXPECT_EQ(form->size(), QSize(px(design->width), px(design->height))) << design->name;
            for (const ControlDesign& c : design->controls) {
                auto* group = form->findChild<QButtonGroup*>(c.name);  // option buttons share its name
                QWidget* widget = group ? group->button(c.index) : form->findChild<QWidget*>(c.name);
                const TwipRect& r = c.place;
                EXPECT_EQ(widget->geometry(), QRect(px(r.left), px(r.top), px(r.width), px(r.height)))
                    << c.name;
                if (c.kind != ControlKind::Swatch) continue;
                const QImage swatch = widget->grab().toImage();
                EXPECT_EQ(swatch.pixelColor(swatch.rect().center()), ToQColor(QBColor(c.index))) << c.name;
            }
        }
        for (const auto& [control, points, faces] : fonts) {
            EXPECT_DOUBLE_EQ(control->font().pointSizeF(), points * scale);
            EXPECT_TRUE(faces.contains(QFontInfo(control->font()).family()));
        }
        for (std::size_t i = 0; i < fullSize.size(); ++i)
            EXPECT_DOUBLE_EQ(shownFonts()[i], fullSize[i] * scale);
        QStyleOptionComboBox combo;
        combo.initFrom(history());
        combo.editable = true;
        arrows[percent] =
            QApplication::style()
                ->subControlRect(QStyle::CC_ComboBox, &combo, QStyle::SC_ComboBoxArrow, history())
                .width();
        QCheckBox loose;
        EXPECT_EQ(loose.style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &loose),
                  WindowStyle::IndicatorPixels * scale);
        EXPECT_EQ(loose.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &loose),
                  WindowStyle::IndicatorSpacing * scale);
        QWidget* picture = find("Picture1");
        const double ratio = picture->devicePixelRatioF();
        const QImage& image = windows.picture().image();
        EXPECT_EQ(image.width(), std::lround(PictureWidth / UnitsPerPixel * scale * ratio));
        const QImage startup = StartupPicture(scale * ratio).convertToFormat(QImage::Format_RGB32);
        const QRect shared = startup.rect() & image.rect();  // it is wider than the drawing area
        EXPECT_EQ(image.copy(shared), startup.copy(shared)) << "drawn anew, not stretched";
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.copy(QRect(picture->contentsRect().topLeft() * ratio, image.size())), image)
            << "one image pixel to a device pixel";
    }
    EXPECT_NEAR(arrows[400], 4 * arrows[100], 2) << "the function box's arrow grows too";
}

// The box at any scale is the 100 % box magnified: right of the x axis, up to
// the border, lies the 100 % margin of 3 pixels times the scale.
TEST_F(WindowLayoutTest, ThePictureBoxKeepsItsMarginsAtEveryScale) {
    click("WhichOp");
    click("Evaluate");
    QWidget* picture = find("Picture1");
    const double ratio = picture->devicePixelRatioF();
    for (int percent : {100, 250, 400}) {
        windows.viewScale().Set(percent);
        const QImage shown = picture->grab().toImage();
        const QRect inner = picture->contentsRect();
        const int column = static_cast<int>((inner.left() + 5) * ratio);
        const int right = static_cast<int>((inner.right() + 1) * ratio) - 1;
        const QColor back = shown.pixelColor(column, static_cast<int>(inner.top() * ratio));
        int axis = static_cast<int>(inner.top() * ratio), end = right;
        while (shown.pixelColor(column, axis) == back) ++axis;
        while (shown.pixelColor(end, axis) == back) --end;
        EXPECT_NEAR(right - end, 3 * percent / 100.0 * ratio, ratio) << percent;
    }
}

TEST(ViewScaleStepsTest, StopAtTheEndsAndTheChoiceOutlivesTheRun) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath("plotmere.conf"), QSettings::IniFormat);
    ViewScale scale, restarted;
    scale.Remember(settings);
    QSignalSpy changes(&scale, &ViewScale::changed);
    scale.Previous();  // a first start is at the first step
    for (int i = 0; i < 7; ++i) scale.Next();
    scale.Set(175);  // not a step
    scale.Previous();
    EXPECT_EQ(changes.size(), 7);
    restarted.Remember(settings);
    EXPECT_EQ(restarted.factor(), 3.0);
}

// Right clicks on a window's background open the steps; on the picture, none.
// The steps read in full at every scale: widened, the menu shows them as before.
TEST_F(WindowLayoutTest, MenuListsTheStepsInFullWithTheCurrentOneChecked) {
    for (int percent : ViewScale::Steps) {
        windows.viewScale().Set(percent);
        const std::unique_ptr<QMenu> menu(ScaleMenu(windows.viewScale(), nullptr));
        menu->adjustSize();
        const QImage shown = menu->grab().toImage();
        menu->setMinimumWidth(2 * menu->width());
        menu->adjustSize();
        const QRect textSide(QPoint(), QSize(shown.width() / 2, shown.height()));
        EXPECT_EQ(menu->grab().toImage().copy(textSide), shown.copy(textSide)) << percent;
    }
    windows.viewScale().Set(250);
    const std::pair<QWidget*, QString> targets[] = {
        {find("Picture1"), ""},
        {&consoleWindow, "100 %, 125 %, 150 %, 200 %, 250 % *, 300 %, 400 %"},
        {settings, "100 %, 125 %, 150 %, 200 % *, 250 %, 300 %, 400 %"}};
    for (auto [target, steps] : targets) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_EQ(menu != nullptr, !steps.isEmpty()) << steps.toStdString();
        if (!menu) continue;
        QStringList listed;
        for (QAction* step : menu->actions()) listed << step->text() + (step->isChecked() ? " *" : "");
        EXPECT_EQ(listed.join(", "), steps);
        menu->actions()[3]->trigger();
        const QPointer<QMenu> shown(menu);
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(shown) << "a closed menu is not kept";
        EXPECT_EQ(windows.viewScale().percent(), 200);
    }
}

}  // namespace
}  // namespace plotmere::testing
