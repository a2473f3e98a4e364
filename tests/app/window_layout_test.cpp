// The windows as designed at every view scale (places, faces, the picture
// pixel for pixel), their state at start, and the scale's steps and menu.

#include <QAbstractItemView>
#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontInfo>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <set>

#include "app/qt/artwork.h"
#include "app/qt/image_picture.h"
#include "app/qt/view_scale.h"
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

// A screen reader names a box by the label tied to it, else by its own name.
QString spoken(QWidget* control) {
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(control);
    const auto labels = heard->relations(QAccessible::Label);
    return (labels.isEmpty() ? heard : labels.first().first)->text(QAccessible::Name);
}

// Every control has a name for a screen reader: buttons, options and frames
// their captions, boxes their labels', the list's rows their slots and colours;
// the picture describes its window and curves after each command.
TEST_F(WindowLayoutTest, ScreenReadersHearEveryControlByNameAndTheGraphDescribed) {
    const std::tuple<QWidget*, const FormDesign*, QString> forms[] = {
        {&consoleWindow, &ConsoleDesign(), "Function, x =, XMax, XMin, YMax, YMin, Graph?, Graph"},
        {settings, &SettingsDesign(),
         "Theta Min, Theta Max, Theta Step, t Min, t Max, t Step, Show Axes?, X Tick, Y Tick"},
        {list, &FunctionListDesign(),
         "Function 0, On 0, Black, Function 1, On 1, Dark blue, Function 2, On 2, Dark green, "
         "Function 3, On 3, Dark cyan, Function 4, On 4, Dark red, Function 5, On 5, Dark magenta, "
         "Function 6, On 6, Brown, Function 7, On 7, Light grey, Function 8, On 8, Dark grey, "
         "Function 9, On 9, Light blue"}};
    const std::set<ControlKind> namedHere{ControlKind::TextBox, ControlKind::ComboBox, ControlKind::CheckBox,
                                          ControlKind::Swatch, ControlKind::Picture};
    for (auto [form, design, expected] : forms) {
        QStringList named;
        for (const ControlDesign& c : design->controls) {
            auto* group = form->findChild<QButtonGroup*>(c.name);
            const QString name = spoken(group ? group->button(c.index) : form->findChild<QWidget*>(c.name));
            EXPECT_FALSE(name.isEmpty()) << c.name;
            if (namedHere.contains(c.kind)) named << name;
        }
        EXPECT_EQ(named.join(", "), expected);
    }
    const std::tuple<QWidget*, QString, QString> described[] = {
        {functionIn(), "Function", ""},
        {history()->view(), "Function", ""},
        {history(), "Function", "Enter your function here"},
        {box("Xequals"), "x =", "This can be any valid expression"},
        {find("Evaluate"), "Evaluate", "Click here to go"}};
    for (auto [control, name, description] : described) {
        EXPECT_EQ(spoken(control), name);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description),
                  description);
    }

    // Slots 4 and 7 hold a function, to be switched on in the list.
    s.Functions[4].text = s.Functions[7].text = "x";
    QWidget* polar = find<QRadioButton>("GraphMode")->group()->button(1);
    QAccessibleInterface* graph = QAccessible::queryAccessibleInterface(find("Picture1"));
    const std::pair<std::vector<QWidget*>, QString> commands[] = {
        {{}, ""},  // no window read yet
        {{find("WhichOp"), find("Evaluate")}, "x from -10 to 10, y from -10 to 10, 1 function, Cartesian"},
        {{find("GotoFunkList"), find("OnChk4", list), find("OnChk7", list), find("Command2", list),
          find("Evaluate")},
         "x from -10 to 10, y from -10 to 10, 3 functions, Cartesian"},
        {{polar, find("TrigWin")}, "x from -6.28 to 6.28, y from -4 to 4, 3 functions, Polar"},
        {{find("ZOut"), find("ZOut")},
         "x from -25.1 to 25.1, y from -16 to 16, 3 functions, Polar"},  // a pixel: 0.18
        {{find("ClearScreen")}, "x from -25.1 to 25.1, y from -16 to 16"}};
    for (const auto& [clicks, description] : commands) {
        for (QWidget* control : clicks) click(control);
        EXPECT_EQ(graph->text(QAccessible::Description), description);
    }
}

// Places and sizes are the design's twips times the scale; the faces are the
// design's or their metric-compatible twins, never a fallback of another width.
TEST_F(WindowLayoutTest, WindowsAreTheirDesignTimesTheScale) {
    const std::pair<FormWindow*, const FormDesign*> forms[] = {
        {&consoleWindow, &ConsoleDesign()},
        {&windows.settingsWindow(), &SettingsDesign()},
        {&windows.functionListWindow(), &FunctionListDesign()}};
    const QStringList sans{"Arial", "Liberation Sans", "Small Fonts"}, mono{"Courier New", "Liberation Mono"};
    const std::tuple<QWidget*, double, QStringList> fonts[] = {{find("Evaluate"), 8, sans},
                                                               {find("Label1"), 9.75, sans},
                                                               {find("Xequals"), 9, mono},
                                                               {find("Status"), 6.75, sans},
                                                               {find("f9", list), 9.75, mono}};
    for (int percent : {300, 100}) {
        SCOPED_TRACE(percent);
        windows.viewScale().Set(percent);
        const double scale = percent / 100.0;
        auto px = [scale](int twips) { return static_cast<int>(std::lround(twips * scale / 15)); };
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
        // The indicators of check boxes grow, in the three windows only.
        QCheckBox loose;
        for (auto [box, size] : {std::pair<QWidget*, double>{find("WhichOp"), scale}, {&loose, 1}}) {
            EXPECT_EQ(box->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, box), 13 * size);
            EXPECT_EQ(box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box), 4 * size);
        }
        QWidget* picture = find("Picture1");
        const double ratio = picture->devicePixelRatioF();
        const QImage& image = windows.picture().image();
        EXPECT_EQ(image.width(), std::lround(274 * scale * ratio));
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.copy(QRect(QPoint(2, 2) * ratio, image.size())), image)
            << "one image pixel to a device pixel";
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

// Right clicks on the picture and on a window's background open the steps.
TEST_F(WindowLayoutTest, MenuListsTheStepsWithTheCurrentOneChecked) {
    windows.viewScale().Set(250);
    const std::pair<QWidget*, QString> targets[] = {
        {find("Picture1"), "100 %, 125 %, 150 %, 200 %, 250 % *, 300 %, 400 %"},
        {settings, "100 %, 125 %, 150 %, 200 % *, 250 %, 300 %, 400 %"}};
    for (auto [target, steps] : targets) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
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
