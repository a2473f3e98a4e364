// Reading and checking the viewing window, and its mapping onto the picture.

#include "plot/window.h"

#include <array>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

using Events = std::vector<std::string>;

class WindowTest : public ConsoleTest {
protected:
    const Viewport& dimWin(std::array<const char*, 5> boxes) {  // x max, x min, y max, y min, theta max
        s.Text3.Text = boxes[0];
        s.Text4.Text = boxes[1];
        s.Text5.Text = boxes[2];
        s.Text6.Text = boxes[3];
        s.Settings.ThetaMax.Text = boxes[4];
        clearFlags();
        return DimWin(console.context(), console.evaluator());
    }
};

TEST_F(WindowTest, ReadsTheBoxesAsExpressions) {
    s.Xequals.Text = "3";
    s.Settings.ParamMax.Text = "1";  // below ParamMin is no error
    s.Settings.ParamMin.Text = "5";
    const Viewport& view = dimWin({"x*2", "-1 0", "2p", "-R4", "2p"});
    EXPECT_EQ((std::array{view.XMax, view.XMin, view.YMin, view.domain, view.PRange}),
              (std::array{6., -10., -2., 16., -4.}));
    EXPECT_DOUBLE_EQ(view.YMax, 2 * 3.141592653589793);
    EXPECT_DOUBLE_EQ(view.TRange, 2 * 3.141592653589793);
    EXPECT_FALSE(s.ScriptError || s.CriticalError);
    EXPECT_TRUE(events().empty());
}

TEST_F(WindowTest, ReportsEachEmptyOrReversedRange) {
    const std::string domain = "message [Plotmere] Invalid domain.",
                      range = "message [Plotmere] Invalid range.",
                      theta = "message [Plotmere] Invalid range for theta.";
    const std::pair<std::array<const char*, 5>, Events> rows[] = {
        {{"0.5", "0", "0.5", "0", "0.5"}, {}},
        {{"5", "5", "10", "-10", "2p"}, {domain}},
        {{"10", "-10", "3", "3", "2p"}, {range}},
        {{"-10", "10", "-10", "10", "0"}, {domain, range, theta}},
        {{"10", "R-1", "10", "-10", "2p"},
         {range, theta}},  // a box the evaluator rejects: the later ones count as 0
    };
    for (const auto& [boxes, expected] : rows) {
        SCOPED_TRACE(boxes[0] + std::string(" ") + boxes[1]);
        dimWin(boxes);
        EXPECT_EQ(events(), expected);
        EXPECT_EQ(s.ScriptError && s.CriticalError, !expected.empty());
    }
    EXPECT_EQ(s.view.XMax, 10);  // kept as read
}

// The window's corners are the picture's, both ways; beyond them nothing is clipped.
TEST(ViewportTest, MapsTheWindowOntoThePictureAndBack) {
    const Viewport view{.XMin = -10, .XMax = 10, .YMin = -5, .YMax = 5, .domain = 20, .range = 10};
    for (auto [x, y, u, v] : {std::array{-10.0, 5.0, 0.0, 0.0}, {10, -5, PictureWidth, PictureHeight}}) {
        EXPECT_EQ(view.toPictureX(x), u);
        EXPECT_EQ(view.toPictureY(y), v);
        EXPECT_EQ(view.fromPictureX(static_cast<float>(u)), x);
        EXPECT_EQ(view.fromPictureY(static_cast<float>(v)), y);
    }
    EXPECT_EQ(view.toPictureY(20), -1.5 * PictureHeight);
}

TEST_F(WindowTest, PresetWindowsRedraw) {
    s.Option1.Selected = 1;
    console.Click("TrigWin");
    EXPECT_EQ(s.Settings.XTickbox.Text, "90");  // in degrees
    console.Click("Standard");
    EXPECT_EQ(picture.of("Cls").size(), 2u);
}

}  // namespace
}  // namespace plotmere::testing
