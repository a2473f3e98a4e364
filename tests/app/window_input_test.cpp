// What only the windows do with keys, clicks and presses: which button a key
// means, where a press lands, what shows at once and what a screen reader
// hears; and the real modal boxes.

#include <QAbstractItemView>
#include <QAccessible>
#include <QButtonGroup>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <array>
#include <set>

#include "app/qt/file_dialog_scale.h"
#include "app/qt/image_picture.h"
#include "app/qt/picture_widget.h"
#include "state/version.h"
#include "window_fixture.h"

namespace plotmere::testing {
namespace {

using WindowInputTest = WindowTest;

TEST_F(WindowInputTest, EnterEvaluatesOnceCtrlKeysScaleAndEscQuits) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&consoleWindow));
    auto* evaluate = find<QPushButton>("Evaluate");
    for (int i = 0; i < 60 && !evaluate->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const QImage focused = evaluate->grab().toImage();
    QTest::keyClick(evaluate, Qt::Key_Tab);
    EXPECT_NE(evaluate->grab().toImage(), focused) << "the focus shows apart from the default frame";
    typeInto(functionIn(), "x*x");
    for (auto [key, percent] :
         {std::pair{Qt::Key_Plus, 125}, {Qt::Key_Equal, 150}, {Qt::Key_Minus, 125}, {Qt::Key_0, 100}}) {
        QTest::keyClick(functionIn(), key, Qt::ControlModifier);
        EXPECT_EQ(windows.viewScale().percent(), percent) << key;
    }
    EXPECT_EQ(functionIn()->text(), "x*x") << "the scale keys typed nothing";
    typeInto(box("Xequals"), "1+2");
    QTest::keyClick(box("Xequals"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(label("Result")->text(), "9");
    EXPECT_EQ(history()->count(), 1) << "Enter must not add a history entry of its own";
    EXPECT_EQ(functionIn()->text(), "x*x") << "the refilled history keeps the typed text";
    QTimer& fade = windows.host().timer(TimerId::TextReset);
    const auto status = [&] { return label("Status")->palette().color(QPalette::WindowText); };
    EXPECT_EQ(status(), ToQColor(QBColor(1)));
    QMetaObject::invokeMethod(&fade, "timeout");
    EXPECT_TRUE(status() == ToQColor(QBColor(0)) && !fade.isActive()) << "the status fades to black";
    functionIn()->setFocus();
    typeInto(functionIn(), "x");  // not completed to the history's x*x
    QTest::keyClick(functionIn(), Qt::Key_Return);
    EXPECT_EQ(label("Result")->text(), "3");
    QGuiApplication::clipboard()->clear();
    click(label("Result"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "3");

    QSignalSpy ended(&windows.host(), &QtHost::programEnded);
    click("GetSet");
    QTest::keyClick(functionIn(), Qt::Key_Escape);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(consoleWindow.isVisible() || settings->isVisible());
    EXPECT_FALSE(fade.isActive()) << "no fade after the end";
}

// In the Functions window Enter is OK and Esc is Cancel, neither reaching the
// Console; closing the Console ends both.
TEST_F(WindowInputTest, FunctionListTakesItsOwnEnterAndEsc) {
    QSignalSpy ended(&windows.host(), &QtHost::programEnded);
    click("GotoFunkList");
    typeInto(box("f3", list), "x^2");
    QTest::keyClick(box("f3", list), Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(s.Functions[3].text, "x^2");
    EXPECT_EQ(history()->count(), 0) << "Enter in the list must not run Evaluate";

    click("GotoFunkList");
    typeInto(box("f3", list), "edited");
    QTest::keyClick(box("f3", list), Qt::Key_Escape);
    EXPECT_TRUE(consoleWindow.isVisible() && !list->isVisible());
    EXPECT_EQ(ended.count(), 0) << "Esc in the list must not quit";
    EXPECT_EQ(s.Functions[3].text, "x^2");

    click("GotoFunkList");
    consoleWindow.close();  // as the window's own close button does: the list goes with it
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(list->isVisible());
}

TEST_F(WindowInputTest, EditsAndChoicesGoIntoTheStateAndTheCursorStays) {
    // A number the core writes reads from its first digit; a box it leaves alone keeps its cursor.
    typeInto(box("Xequals"), "12");
    click("TrigWin");
    EXPECT_EQ(box("Text3")->cursorPosition(), 0);
    EXPECT_EQ(box("Xequals")->cursorPosition(), 2);

    click(find<QRadioButton>("Option1")->group()->button(1));
    click(find<QRadioButton>("GraphMode")->group()->button(2));
    click("GetSet");
    typeInto(box("ThetaMax", settings), "4p");
    click("Axes", settings);
    EXPECT_EQ(s.Option1.Selected, 1);
    EXPECT_EQ(s.GraphMode.Selected, 2);
    EXPECT_EQ(s.Settings.ThetaMax.Text, "4p");
    EXPECT_EQ(s.Settings.Axes.Value, 0);
    click("SetDone", settings);
    EXPECT_FALSE(settings->isVisible());
    click("GetSet");
    settings->close();  // by its own close button: the next click leaves it closed
    click("TrigWin");
    EXPECT_FALSE(settings->isVisible());
}

// A screen reader names a box by the label tied to it, else by its own name.
QString spoken(QWidget* control) {
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(control);
    const auto labels = heard->relations(QAccessible::Label);
    return (labels.isEmpty() ? heard : labels.first().first)->text(QAccessible::Name);
}

// Every control has a name for a screen reader: buttons, options and frames
// their captions or what they do, boxes their labels', the list's rows their
// slots and colours; the picture, an image, describes its window and curves
// from the start.
TEST_F(WindowInputTest, ScreenReadersHearEveryControlByNameAndTheGraphDescribed) {
    const std::tuple<QWidget*, const FormDesign*, QString> forms[] = {
        {&consoleWindow, &ConsoleDesign(),
         "Function, x =, XMax, XMin, YMax, YMin, Graph?, Graph, Guess line 100 steps left, "
         "Guess line 10 steps left, Guess line 10 steps right, Guess line 100 steps right"},
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
            if (namedHere.contains(c.kind) || c.spokenName) named << name;
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
    EXPECT_EQ(graph->role(), QAccessible::Graphic);
    const std::pair<std::vector<QWidget*>, QString> commands[] = {
        {{}, "x from -10 to 10, y from -10 to 10, start-up picture"},  // the window the boxes hold
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

// Tab goes as a window is read, row by row, a frame whole where it comes with
// what lies on it, and round to the first again.
TEST_F(WindowInputTest, TabGoesInReadingOrderFrameByFrame) {
    click("GetSet");
    click("GotoFunkList");
    QStringList rows;
    for (int i = 0; i < FunctionSlots; ++i) rows << QString("f%1 OnChk%1").arg(i);
    const std::pair<QWidget*, QString> forms[] = {
        {&consoleWindow,
         "FunctionIn GetOut Xequals Text3 Text4 Text5 Text6 Standard ClearScreen ClearHistory HelpMe WhichOp "
         "GraphMode GotoFunkList Evaluate GetSet Saver TrigWin Option1 MLeft Left ZOut Right MRight "
         "SetFunc SetMem Trace Integrate Command10 LocalMax LocalMin Root"},
        {settings, "Axes ThetaMin ThetaMax ThetaStep XTickbox YTickbox ParamMin ParamMax ParamStep SetDone"},
        {list, rows.join(' ') + " Command2 Command1"}};
    for (auto [form, order] : forms) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        const QStringList stops = order.split(' ');
        find(qPrintable(stops.front()), form)->setFocus();
        QStringList visited;
        for (qsizetype i = 0; i <= stops.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(visited.join(' '), order + ' ' + stops.front());
    }
}

// The core lets events through while it shows a box; a click then must not
// start a second command, and the window already shows the command running.
TEST_F(WindowInputTest, ClicksWhileACommandRunsAreIgnoredAndBoxesBreakLines) {
    QString captionWhileOpen;
    const QString xMax = box("Text3")->text();
    boxes.whileOpen = [&] {
        captionWhileOpen = consoleWindow.windowTitle();
        for (const char* name : {"Evaluate", "HelpMe", "TrigWin", "Right"}) click(name);
        QTest::mouseClick(find("Picture1"), Qt::LeftButton);  // no corner of a zoom box either
    };
    typeInto(functionIn(), "AS1");  // a run-time failure is reported with the window still running
    click("Evaluate");
    EXPECT_EQ(boxes.shown, QStringList({"Plotmere: Run-time error: Division by zero"}));
    EXPECT_EQ(captionWhileOpen, "Plotmere <running>");
    EXPECT_EQ(box("Text3")->text(), xMax);
    EXPECT_TRUE(s.guess == 0 && !s.ScreenClicked);

    click("HelpMe");
    EXPECT_TRUE(
        boxes.shown[1].contains(QString("& click on the tutorial link.\n\nVersion %1  :  ").arg(Version)));
}

// Picture units are UnitsPerPixel to a widget pixel at 100 %; the box marks the same units at any scale, and
// the readout beside the pointer reads them, but not while a command runs nor while a button is down.
TEST_F(WindowInputTest, TwoPressesOnThePictureWriteTheZoomBoxAndThePointerReadsItAtAnyScale) {
    click("WhichOp");
    windows.viewScale().Set(250);
    EXPECT_EQ(box("Text3")->toolTip(), "") << "a number the box shows whole";
    auto* picture = find<PictureWidget>("Picture1");
    const QPoint inner = picture->contentsRect().topLeft();
    QTest::mouseClick(picture, Qt::RightButton, {}, inner + QPoint(206, 78) * 2.5);
    QTest::mouseClick(picture, Qt::LeftButton, {}, inner + QPoint(70, 32) * 2.5);

    auto x = [](int pixel) { return -10 + 20 * (pixel * UnitsPerPixel) / PictureWidth; };
    auto y = [](int pixel) { return -10 + 20 * (PictureHeight - pixel * UnitsPerPixel) / PictureHeight; };
    for (auto [name, expected] :
         {std::pair{"Text3", x(206)}, {"Text4", x(70)}, {"Text5", y(32)}, {"Text6", y(78)}}) {
        EXPECT_NEAR(box(name)->text().toDouble(), expected, 1e-5) << name;
        EXPECT_EQ(box(name)->toolTip(), box(name)->text()) << "cut off, it shows whole as the tip";
    }
    QMetaObject::invokeMethod(&windows.host().timer(TimerId::GfxSpeed), "timeout");  // the redraw
    EXPECT_EQ(consoleWindow.windowTitle(), "Plotmere") << "no longer running";

    auto* readout = find<QLabel>("readout", picture);
    // Sent directly: QTest moves the screen's cursor, which the doubled screen cannot reach there.
    auto moveTo = [picture](QPointF at, Qt::MouseButtons held = {}) {
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, held, {});
        QApplication::sendEvent(picture, &move);
    };
    const QPointF corner = inner + QPointF(260, 114) * 2.5;
    moveTo(corner);
    EXPECT_EQ(readout->text().toStdString(),
              windows.console()
                  .PointerReadout(260 * UnitsPerPixel, 114 * UnitsPerPixel, picture->scale())
                  .value_or("none"));
    const QPoint pointer = picture->mapToGlobal(corner).toPoint(),
                 readoutEnd = readout->geometry().bottomRight();
    EXPECT_TRUE(readoutEnd.x() < pointer.x() && readoutEnd.y() < pointer.y());  // turned back from the edges
    bool shownWhileRunning = true;
    boxes.whileOpen = [&] { shownWhileRunning = readout->isVisible(); };
    typeInto(functionIn(), "$[abc]");
    QTest::keyClick(functionIn(), Qt::Key_Return);
    EXPECT_FALSE(shownWhileRunning);
    EXPECT_TRUE(readout->isVisible());
    moveTo(QPointF(1, 1));  // on the frame
    EXPECT_FALSE(readout->isVisible());
    moveTo(corner);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(picture, &leave);
    EXPECT_FALSE(readout->isVisible());
    moveTo(corner);
    QTest::mousePress(picture, Qt::LeftButton, {}, corner.toPoint());
    EXPECT_FALSE(readout->isVisible());
    moveTo(corner - QPointF(5, 5), Qt::LeftButton);
    EXPECT_FALSE(readout->isVisible());
}

// What of the save dialog follows the scale: the sidebar's width, the height
// of its first row (by its icon), a column's width and the least one.
std::array<int, 4> scaledParts(QFileDialog* box) {
    auto* sidebar = box->findChild<QAbstractItemView*>("sidebar");
    const QHeaderView* columns = box->findChild<QTreeView*>("treeView")->header();
    return {sidebar->width(), sidebar->sizeHintForRow(0), columns->sectionSize(1),
            columns->minimumSectionSize()};
}

// The real boxes, answered by a user: OK on the message; the save dialog
// cancelled, then the first file type kept, then others chosen for names
// without an extension, one replacing a file after asking. The dialog opens
// at the scale, within the area it may take, and its widths are kept at 100 %.
TEST(RealDialogsTest, MessageBoxAndSaveDialogCanBeAnsweredAtTheScale) {
    QTemporaryDir folder;
    ModalDialogs modal;
    const QRect area(0, 0, 1280, 1024);
    modal.SetArea([&](const QWidget*) { return area; });
    WindowConsole windows(modal);
    windows.placement().SetArea([](const QWidget&) { return roomyScreen; });
    QStringList shown;
    std::vector<std::pair<QSize, std::array<int, 4>>> layouts;
    int choice = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->windowTitle() + ": " + box->text() +
                         (box->icon() == QMessageBox::Warning ? " (!)" : "");
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            (ok ? ok : box->button(QMessageBox::Yes))->click();  // Yes: replace the file
        } else if (auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            shown = box->nameFilters();
            layouts.emplace_back(box->size(), scaledParts(box));
            if (choice < 0) return box->reject();
            box->selectNameFilter(shown.value(choice));
            emit box->filterSelected(shown.value(choice));                   // as the user's choice does
            QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);  // as its Save button does
        }
    });
    answer.start(20);
    auto* functionIn = windows.consoleWindow().findChild<QComboBox*>("FunctionIn")->lineEdit();
    functionIn->setText("(2");
    QTest::keyClick(functionIn, Qt::Key_Return);
    EXPECT_EQ(shown, QStringList({"Not so fast: Parentheses Error:  ) not found. (!)"}));

    // Each its own name: the dialog's completer would offer the first one's file again.
    ASSERT_TRUE(QFile(folder.filePath("drawing.pdf")).open(QIODevice::WriteOnly));  // to be replaced
    constexpr double scale = 2.5;
    for (auto [filter, name, percent] :
         {std::tuple{-1, "cancelled", 100}, {0, "graph", 250}, {2, "photo", 100}, {4, "drawing", 100}}) {
        windows.viewScale().Set(percent);
        choice = filter;
        windows.console().state().Dialog1.FileName = folder.filePath(name).toStdString();
        QTest::mouseClick(windows.consoleWindow().findChild<QPushButton*>("Saver"), Qt::LeftButton);
    }
    EXPECT_EQ(shown.mid(0, 5),
              QStringList({"Picture (*.bmp)", "PNG image (*.png)", "JPEG image (*.jpg *.jpeg)",
                           "SVG drawing (*.svg)", "PDF document (*.pdf)"}));
    EXPECT_TRUE(shown.value(5).contains("drawing.pdf already exists")) << shown.value(5).toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList({"drawing.pdf", "graph.bmp", "photo.jpg"}));
    EXPECT_EQ(windows.consoleWindow().findChild<QLabel*>("Status")->text(), folder.filePath("drawing.pdf"));

    ASSERT_EQ(layouts.size(), 4u);
    EXPECT_EQ(layouts[0].first, FileDialogAtScale::FullSize);
    // The dialog's frame is taken as wide as the Console's.
    const QSize frame = windows.consoleWindow().frameSize() - windows.consoleWindow().size();
    EXPECT_EQ(layouts[1].first, (FileDialogAtScale::FullSize * scale).boundedTo(area.size() - frame));
    for (std::size_t i = 0; i < layouts[0].second.size(); ++i) {
        const double full = layouts[0].second[i];
        EXPECT_NEAR(layouts[1].second[i], full * scale, full * scale / 10) << i;
        EXPECT_EQ(layouts[2].second[i], full) << i;
    }
    // The Computer icon's one picture, of 16 pixels, fills what it takes at the scale.
    const QImage computer =
        ScalingFileIcons(scale).icon(QFileIconProvider::Computer).pixmap(QSize(40, 40)).toImage();
    EXPECT_TRUE(computer.size() == QSize(40, 40) && !computer.allGray());
}

}  // namespace
}  // namespace plotmere::testing
