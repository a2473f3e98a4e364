// The view scale: its steps and their memory, the three windows laid out
// anew at each step, and the keys and menu that choose it.

#include "app/qt/view_scale.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>

#include "window_fixture.h"

namespace plotmere::testing {
namespace {

TEST(ViewScaleStepsTest, StopAtTheEndsAndTheChoiceOutlivesTheRun) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("plotmere.conf");
    QSettings settings(file, QSettings::IniFormat);
    ViewScale scale;
    scale.Remember(settings);
    EXPECT_EQ(scale.percent(), 100) << "a first start";
    QSignalSpy changes(&scale, &ViewScale::changed);
    scale.Previous();
    for (int i = 0; i < 7; ++i) scale.Next();
    EXPECT_EQ(scale.percent(), 400);
    scale.Set(175);  // not a step
    scale.Previous();
    EXPECT_EQ(scale.percent(), 300);
    EXPECT_EQ(changes.size(), 7);
    EXPECT_EQ(changes.last().at(0).toDouble(), 3.0);

    settings.sync();
    QSettings again(file, QSettings::IniFormat);
    ViewScale restarted;
    restarted.Remember(again);
    EXPECT_EQ(restarted.factor(), 3.0);
    restarted.Reset();
    EXPECT_EQ(restarted.percent(), 100);
}

using ViewScaleTest = WindowTest;

// Option buttons share their group's name; the rest are found by theirs.
QWidget* control(FormWindow& form, const ControlDesign& c) {
    if (c.kind == ControlKind::OptionButton) return form.findChild<QButtonGroup*>(c.name)->button(c.index);
    return form.findChild<QWidget*>(c.name);
}

TEST_F(ViewScaleTest, WindowsAreTheirDesignTimesTheScale) {
    const std::pair<FormWindow*, const FormDesign*> forms[] = {
        {&consoleWindow, &ConsoleDesign()},
        {&windows.settingsWindow(), &SettingsDesign()},
        {&windows.functionListWindow(), &FunctionListDesign()}};
    for (int percent : {300, 100}) {
        SCOPED_TRACE(percent);
        windows.viewScale().Set(percent);
        const double scale = percent / 100.0;
        auto px = [scale](int twips) { return static_cast<int>(std::lround(twips * scale / 15)); };
        for (auto [form, design] : forms) {
            EXPECT_EQ(form->size(), QSize(px(design->width), px(design->height))) << design->name;
            for (const ControlDesign& c : design->controls) {
                const TwipRect& r = c.place;
                EXPECT_EQ(control(*form, c)->geometry(),
                          QRect(px(r.left), px(r.top), px(r.width), px(r.height)))
                    << design->name << ' ' << c.name;
            }
        }
        const std::pair<QWidget*, double> fonts[] = {{button("Evaluate"), 8},
                                                     {label("Label1"), 9.75},
                                                     {box("Xequals"), 9},
                                                     {label("Status"), 6.75},
                                                     {find("f9", &windows.functionListWindow()), 9.75}};
        for (auto [control, points] : fonts) {
            EXPECT_DOUBLE_EQ(control->font().pointSizeF(), points * scale)
                << qPrintable(control->objectName());
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

TEST_F(ViewScaleTest, KeysStepTheScaleAndEnterStillEvaluates) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&consoleWindow));
    QLineEdit* x = box("Xequals");
    const std::pair<QKeyCombination, int> keys[] = {{Qt::CTRL | Qt::Key_Plus, 125},
                                                    {Qt::CTRL | Qt::Key_Equal, 150},
                                                    {Qt::CTRL | Qt::Key_Minus, 125},
                                                    {Qt::CTRL | Qt::Key_Plus, 150},
                                                    {Qt::CTRL | Qt::Key_0, 100}};
    for (auto [key, percent] : keys) {
        QTest::keyClick(x, key.key(), key.keyboardModifiers());
        EXPECT_EQ(windows.viewScale().percent(), percent) << QKeySequence(key).toString().toStdString();
    }
    windows.viewScale().Set(300);
    typeInto(x, "4");
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(label("Result")->text(), "4");
    EXPECT_EQ(x->text(), "4") << "Ctrl+0 and the others typed nothing";
}

// Right clicks on the picture and on a window's background open the steps.
TEST_F(ViewScaleTest, MenuListsTheStepsWithTheCurrentOneChecked) {
    windows.viewScale().Set(250);
    for (QWidget* target : {find("Picture1"), static_cast<QWidget*>(&windows.settingsWindow())}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        QStringList steps, checked;
        for (QAction* step : menu->actions()) {
            steps << step->text();
            if (step->isChecked()) checked << step->text();
        }
        EXPECT_EQ(steps, QStringList({"100 %", "125 %", "150 %", "200 %", "250 %", "300 %", "400 %"}));
        EXPECT_EQ(checked, QStringList({QString("%1 %").arg(windows.viewScale().percent())}));
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
