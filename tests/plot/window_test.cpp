// Reading and checking the viewing window, its mapping and the preset windows.

#include "plot/window.h"

#include <array>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

using Events = std::vector<std::string>;

class WindowTest : public ConsoleTest {
protected:
    void bounds(const char* xmax, const char* xmin, const char* ymax, const char* ymin) {
        s.Text3.Text = xmax;
        s.Text4.Text = xmin;
        s.Text5.Text = ymax;
        s.Text6.Text = ymin;
    }
    const Viewport& dimWin() {
        clearFlags();
        return DimWin(console.context(), console.evaluator());
    }
};

TEST_F(WindowTest, ReadsTheBoxesAsExpressions) {
    s.Xequals.Text = "3";
    bounds("x*2", "-1 0", "2p", "-R4");
    s.Settings.ParamMax.Text = "1";  // below ParamMin is no error
    s.Settings.ParamMin.Text = "5";
    const Viewport& view = dimWin();
    EXPECT_EQ(view.XMax, 6);
    EXPECT_EQ(view.XMin, -10);
    EXPECT_DOUBLE_EQ(view.YMax, 2 * 3.141592653589793);
    EXPECT_EQ(view.YMin, -2);
    EXPECT_EQ(view.domain, 16);
    EXPECT_DOUBLE_EQ(view.TRange, 2 * 3.141592653589793);
    EXPECT_EQ(view.PRange, -4);
    EXPECT_FALSE(s.ScriptError || s.CriticalError);
    EXPECT_TRUE(events().empty());
}

TEST_F(WindowTest, ReportsEachInvalidRangeAndKeepsTheValues) {
    bounds("5", "5", "10", "-10");
    dimWin();
    EXPECT_EQ(events(), Events{"message [Plotmere] Invalid domain."});
    EXPECT_TRUE(s.ScriptError && s.CriticalError);

    bounds("-10", "10", "-10", "10");
    dimWin();
    EXPECT_EQ(events(), (Events{"message [Plotmere] Invalid domain.", "message [Plotmere] Invalid range."}));
    EXPECT_EQ(s.view.XMax, -10);

    bounds("10", "-10", "10", "-10");
    s.Settings.ThetaMax.Text = "0";
    dimWin();
    EXPECT_EQ(events(), Events{"message [Plotmere] Invalid range for theta."});

    // A box the evaluator rejects makes the later ones count as 0.
    s.Settings.ThetaMax.Text = "2p";
    bounds("10", "R-1", "10", "-10");
    dimWin();
    EXPECT_EQ(s.view.YMax, 0);
    EXPECT_EQ(events(), (Events{"message [Plotmere] Invalid range.", "message [Plotmere] Invalid range for theta."}));
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

TEST_F(WindowTest, PresetWindows) {
    console.Click("TrigWin");
    EXPECT_EQ((Events{s.Text3.Text, s.Text4.Text, s.Text5.Text, s.Text6.Text, s.Settings.XTickbox.Text}),
              (Events{"2p", "-2p", "4", "-4", "p/2"}));
    s.Option1.Selected = 1;
    console.Click("TrigWin");
    EXPECT_EQ((Events{s.Text3.Text, s.Text4.Text, s.Settings.XTickbox.Text}), (Events{"360", "-360", "90"}));
    s.Settings.YTickbox.Text = "2";
    console.Click("Standard");
    EXPECT_EQ((Events{s.Text3.Text, s.Text4.Text, s.Text5.Text, s.Text6.Text, s.Settings.XTickbox.Text,
                      s.Settings.YTickbox.Text}),
              (Events{"10", "-10", "10", "-10", "1", "2"}));
    EXPECT_EQ(picture.of("Cls").size(), 3u);  // each redraws
}

}  // namespace
}  // namespace plotmere::testing
