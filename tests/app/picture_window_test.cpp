// The picture through the window: the function slots drawn in their colours,
// the zoom box marked by two presses and drawn anew by the GfxSpeed timer, and
// Save through the dialog.

#include <QCheckBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "app/qt/picture_widget.h"
#include "window_fixture.h"

namespace plotmere::testing {
namespace {

const QColor black(0, 0, 0), darkGreen(0, 128, 0), darkCyan(0, 128, 128), lightGrey(192, 192, 192),
    white(255, 255, 255), boxGreen(0, 255, 0);

class PictureWindowTest : public WindowTest {
protected:
    void graph(const char* function) {
        typeInto(functionIn(), function);
        if (!find<QCheckBox>("WhichOp")->isChecked()) click(find<QCheckBox>("WhichOp"));
        click(button("Evaluate"));
    }

    // The image column at this fraction of the picture's width, top to bottom.
    std::vector<QColor> column(double across) {
        const QImage& image = windows.picture().image();
        const int x = static_cast<int>(across * image.width());
        std::vector<QColor> pixels;
        for (int y = 0; y < image.height(); ++y) pixels.push_back(image.pixelColor(x, y));
        return pixels;
    }

    // The colours met going down a column, once per run, the background left out.
    static std::vector<QColor> runs(const std::vector<QColor>& pixels) {
        std::vector<QColor> met;
        for (const QColor& c : pixels) {
            if (c != white && (met.empty() || met.back() != c)) met.push_back(c);
        }
        return met;
    }

    bool pictureHas(const QColor& colour) {
        const QImage& image = windows.picture().image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) return true;
            }
        }
        return false;
    }
};

TEST_F(PictureWindowTest, SwitchedOnSlotsAreDrawnInTheirColours) {
    click(button("GotoFunkList"));
    QWidget* list = &windows.functionListWindow();
    const std::pair<const char*, const char*> rows[] = {{"f3", "2"}, {"f5", "8"}, {"f7", "-5"}};
    for (auto [name, text] : rows) typeInto(find<QLineEdit>(name, list), text);
    click(find<QCheckBox>("OnChk3", list));
    click(find<QCheckBox>("OnChk7", list));
    click(button("Command2", list));
    graph("5");

    // At x = 5.5: slot 0 at y = 5, slot 3 at 2, the x axis, slot 7 at -5; slot 5 is off.
    EXPECT_EQ(runs(column(0.775)), (std::vector<QColor>{black, darkCyan, darkGreen, lightGrey}));
}

TEST_F(PictureWindowTest, TwoPressesWriteTheZoomBoxAndTheTimerRedraws) {
    graph("x");
    auto* picture = find<PictureWidget>("Picture1");
    QTimer& redraw = windows.host().timer(TimerId::GfxSpeed);
    const QPoint inner = picture->contentsRect().topLeft();
    // Picture units are 15 to a widget pixel at any screen scale.
    QTest::mousePress(picture, Qt::RightButton, {}, inner + QPoint(206, 77));
    EXPECT_EQ(label("Status")->text(), "Mark set.");
    EXPECT_FALSE(redraw.isActive());
    QTest::mousePress(picture, Qt::LeftButton, {}, inner + QPoint(69, 31));

    auto x = [](int pixel) { return -10 + 20 * (pixel * 15.0) / PictureWidth; };
    auto y = [](int pixel) { return -10 + 20 * (PictureHeight - pixel * 15.0) / PictureHeight; };
    const double xMax = x(206), xMin = x(69), yMax = y(31), yMin = y(77);
    const std::pair<const char*, double> bounds[] = {
        {"Text3", xMax}, {"Text4", xMin}, {"Text5", yMax}, {"Text6", yMin}};
    for (auto [name, expected] : bounds) EXPECT_NEAR(box(name)->text().toDouble(), expected, 1e-5) << name;
    EXPECT_EQ(consoleWindow.windowTitle(), "Plotmere <running>");
    EXPECT_TRUE(pictureHas(boxGreen)) << "the box's edges";
    EXPECT_TRUE(redraw.isActive());
    EXPECT_EQ(redraw.interval(), 150);

    QMetaObject::invokeMethod(&redraw, "timeout");
    EXPECT_FALSE(redraw.isActive());
    EXPECT_EQ(consoleWindow.windowTitle(), "Plotmere");
    EXPECT_FALSE(pictureHas(boxGreen));
    // The x axis now lies where y = 0 is in the new window.
    const std::vector<QColor> pixels = column(0.4);
    const auto axis = std::find(pixels.begin(), pixels.end(), darkGreen) - pixels.begin();
    EXPECT_NEAR(double(axis) / double(pixels.size()), yMax / (yMax - yMin), 0.02);
}

TEST_F(PictureWindowTest, ZoomBoxMarksTheSameUnitsAtAnyViewScale) {
    auto* picture = find<PictureWidget>("Picture1");
    QStringList bounds[2];
    const int percents[] = {100, 250};
    for (int i : {0, 1}) {
        windows.viewScale().Set(percents[i]);
        click(button("Standard"));
        graph("x");
        const QPoint inner = picture->contentsRect().topLeft();
        for (QPoint at : {QPoint(206, 78), QPoint(70, 32)}) {
            QTest::mousePress(picture, Qt::LeftButton, {}, inner + at * (percents[i] / 100.0));
        }
        QMetaObject::invokeMethod(&windows.host().timer(TimerId::GfxSpeed), "timeout");
        for (const char* name : {"Text3", "Text4", "Text5", "Text6"}) bounds[i] << box(name)->text();
    }
    EXPECT_EQ(bounds[1], bounds[0]);
    EXPECT_NE(bounds[0].first(), "10") << "the box was made";
}

TEST_F(PictureWindowTest, SaveWritesTheBitmapAndNamesItOnTheStatusLine) {
    graph("Sx");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("graph1.bmp");
    boxes.saveAnswer = file;
    click(button("Saver"));
    EXPECT_EQ(label("Status")->text(), file);
    const QImage saved(file, "BMP");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), windows.picture().image());

    QFile::remove(file);
    boxes.saveAnswer.clear();
    click(button("Saver"));
    EXPECT_EQ(label("Status")->text(), "Save cancelled.");
    EXPECT_FALSE(QFile::exists(file));
}

// The real dialog, answered by a user who keeps the first file type or picks
// another, for a name without an extension.
TEST_F(PictureWindowTest, SaveDialogOffersTheThreeFormatsAndAddsTheChosenOnesExtension) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QStringList offered;
    int choice = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!box) return;
        offered = box->nameFilters();
        if (choice > 0) {
            box->selectNameFilter(offered.value(choice));
            emit box->filterSelected(offered.value(choice));  // as the user's choice does
        }
        static_cast<QDialog*>(box)->accept();  // as its Save button does
    });
    answer.start(20);
    ModalDialogs modal;
    const auto save = [&](int filter) {
        choice = filter;
        s.Dialog1.FileName = folder.filePath("graph").toStdString();
        return modal.ChooseSaveFile(&consoleWindow, s.Dialog1) ? QString::fromStdString(s.Dialog1.FileName)
                                                               : "";
    };
    EXPECT_EQ(save(0), folder.filePath("graph.bmp"));
    EXPECT_EQ(offered, QStringList({"Picture (*.bmp)", "PNG image (*.png)", "SVG drawing (*.svg)"}));
    EXPECT_EQ(save(2), folder.filePath("graph.svg"));
}

}  // namespace
}  // namespace plotmere::testing
