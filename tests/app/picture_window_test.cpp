// The picture through the window: the start-up picture, and the zoom box
// marked by two presses at any view scale.

#include "app/qt/picture_widget.h"
#include "window_fixture.h"

namespace plotmere::testing {
namespace {

using PictureWindowTest = WindowTest;

TEST_F(PictureWindowTest, EvaluateRemovesTheStartupPicture) {
    const auto blank = [this] {
        QImage white = windows.picture().image();
        white.fill(Qt::white);
        return windows.picture().image() == white;
    };
    EXPECT_FALSE(blank());
    click("Evaluate");
    EXPECT_TRUE(blank());
}

// Picture units are 15 to a widget pixel at 100 %; the box marks the same units at any scale.
TEST_F(PictureWindowTest, TwoPressesWriteTheZoomBoxAndTheTimerRedraws) {
    const std::pair<const char*, const char*> window[] = {
        {"Text3", "10"}, {"Text4", "-10"}, {"Text5", "10"}, {"Text6", "-10"}};
    for (auto [name, bound] : window) typeInto(box(name), bound);
    click("WhichOp");
    click("Evaluate");
    windows.viewScale().Set(250);
    auto* picture = find<PictureWidget>("Picture1");
    const QPoint inner = picture->contentsRect().topLeft();
    QTest::mousePress(picture, Qt::RightButton, {}, inner + QPoint(206, 78) * 2.5);
    QTest::mousePress(picture, Qt::LeftButton, {}, inner + QPoint(70, 32) * 2.5);

    auto x = [](int pixel) { return -10 + 20 * (pixel * 15.0) / PictureWidth; };
    auto y = [](int pixel) { return -10 + 20 * (PictureHeight - pixel * 15.0) / PictureHeight; };
    const std::pair<const char*, double> bounds[] = {
        {"Text3", x(206)}, {"Text4", x(70)}, {"Text5", y(32)}, {"Text6", y(78)}};
    for (auto [name, expected] : bounds) EXPECT_NEAR(box(name)->text().toDouble(), expected, 1e-5) << name;
    EXPECT_EQ(consoleWindow.windowTitle(), "Plotmere <running>");
    QMetaObject::invokeMethod(&windows.host().timer(TimerId::GfxSpeed), "timeout");
    EXPECT_EQ(consoleWindow.windowTitle(), "Plotmere");
}

}  // namespace
}  // namespace plotmere::testing
