// Zoom Out, the guess-line arrows, Clear Screen and the two-press zoom box.

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

using Events = std::vector<std::string>;

class ViewTest : public ConsoleTest {
protected:
    std::vector<std::string> bounds() { return {s.Text3.Text, s.Text4.Text, s.Text5.Text, s.Text6.Text}; }
};

TEST_F(ViewTest, ZoomOutDoublesTheWindowAboutItsCentre) {
    console.Click("ZOut");
    EXPECT_EQ(bounds(), (std::vector<std::string>{"20", "-20", "20", "-20"}));
    s.Text3.Text = "1";
    s.Text4.Text = "0";
    console.Click("ZOut");
    EXPECT_EQ(s.Text3.Text, "1.5");
    EXPECT_EQ(s.Text4.Text, "-0.5");
    console.Click("TrigWin");
    console.Click("ZOut");
    EXPECT_EQ(s.Text3.Text, "12.5663706143592");  // numbers, no longer expressions
    EXPECT_EQ(s.Console.Caption, "Plotmere");
    EXPECT_EQ(s.FunctionIn.List.size(), 3u);  // each redraw is an Evaluate
}

TEST_F(ViewTest, ClearScreenFlashesThreeColoursThenClears) {
    console.Click("ClearScreen");
    const auto& c = picture.calls;
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0].op, "BackColor");
    EXPECT_EQ(c[0].color, (Rgb{0, 0, 0}));
    EXPECT_EQ(c[1].color, (Rgb{0, 0, 128}));
    EXPECT_EQ(c[2].color, (Rgb{255, 255, 255}));
    EXPECT_EQ(c[3].op, "Cls");
}

TEST_F(ViewTest, ArrowsMoveTheGuessLineAndRepairTheOldColumn) {
    for (int i = 0; i < 3; ++i) console.Click("MRight");
    EXPECT_NEAR(s.guess, 3 * 100 * 20.0 / PictureWidth, 1e-12);
    s.guess = 0;
    picture.calls.clear();
    s.FunctionIn.Text = "";
    console.Click("Left");
    EXPECT_NEAR(s.guess, -10 * 20.0 / PictureWidth, 1e-12);
    ASSERT_EQ(picture.calls.size(), 3u);
    EXPECT_EQ(picture.calls[0].color, (Rgb{255, 255, 255}));  // the old column painted white
    EXPECT_EQ(picture.calls[0].x1, 2055);
    EXPECT_EQ(picture.calls[1].op, "PSet");  // the empty text's value, 0, restored there
    EXPECT_EQ(picture.calls[1].y1, 925);
    EXPECT_EQ(picture.calls[2].color, (Rgb{0, 0, 128}));  // the new line
    EXPECT_NEAR(picture.calls[2].x1, 2055 - 10, 1e-3);

    // Off the picture and back.
    for (int i = 0; i < 30; ++i) console.Click("MLeft");
    for (int i = 0; i < 30; ++i) console.Click("MRight");
    EXPECT_NEAR(s.guess, -10 * 20.0 / PictureWidth, 1e-9);
}

TEST_F(ViewTest, TwoPressesMarkAZoomBoxRedrawnLater) {
    s.WhichOp.Value = 1;
    console.Click("Evaluate");
    events();
    picture.calls.clear();
    EXPECT_TRUE(console.MouseDown(411, 1480));
    EXPECT_EQ(events(), Events{"status Mark set."});
    EXPECT_TRUE(picture.of("Line").empty());
    console.MouseDown(3699, 370);
    EXPECT_EQ(events(), Events{"status Ready"});
    EXPECT_EQ(bounds(), (std::vector<std::string>{"7.99999952316284", "-7.99999997019768", "6.00000023841858",
                                                  "-5.99999994039536"}));
    const auto lines = picture.of("Line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].x1, 3699);
    EXPECT_EQ(lines[1].x1, 411);
    EXPECT_EQ(lines[2].y1, 370);
    EXPECT_EQ(lines[3].y1, 1480);
    EXPECT_EQ(lines[0].color, (Rgb{0, 255, 0}));
    EXPECT_EQ(s.Console.Caption, "Plotmere <running>");
    EXPECT_TRUE(s.GfxSpeed.Enabled);

    wait(149);
    EXPECT_TRUE(picture.of("Cls").empty());
    wait(1);
    EXPECT_EQ(picture.of("Cls").size(), 1u);  // redrawn in the new window
    EXPECT_EQ(s.view.XMax, 7.99999952316284);
    EXPECT_EQ(s.Console.Caption, "Plotmere");
    EXPECT_FALSE(s.GfxSpeed.Enabled);
}

TEST_F(ViewTest, CornerOrderDoesNotMatterAndABoxWithoutWidthIsReported) {
    s.WhichOp.Value = 1;
    console.MouseDown(3699, 370);
    console.MouseDown(411, 1480);
    EXPECT_EQ(s.Text3.Text, "7.99999952316284");
    EXPECT_EQ(s.Text6.Text, "-5.99999994039536");

    s.Text3.Text = "10";
    s.Text4.Text = "-10";
    s.Text5.Text = "10";
    s.Text6.Text = "-10";
    console.MouseDown(1000, 1000);
    console.MouseDown(1000, 1000);
    events();
    wait(150);
    EXPECT_EQ(events(), (Events{"message [Plotmere] Invalid domain.", "message [Plotmere] Invalid range."}));
}

}  // namespace
}  // namespace plotmere::testing
