// Reading and checking the viewing window, the mapping and the preset windows.

#include "plot/window.h"

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
    void dimWin() {
        clearFlags();
        DimWin(console.context(), console.evaluator());
    }
};

TEST_F(WindowTest, ReadsTheBoxesAsExpressions) {
    s.Xequals.Text = "3";
    bounds("x*2", "-1 0", "2p", "-R4");
    s.Settings.ParamMax.Text = "1";  // below ParamMin is no error
    s.Settings.ParamMin.Text = "5";
    dimWin();
    EXPECT_EQ(s.XMax, 6);
    EXPECT_EQ(s.XMin, -10);
    EXPECT_DOUBLE_EQ(s.YMax, 2 * 3.141592653589793);
    EXPECT_EQ(s.YMin, -2);
    EXPECT_EQ(s.domain, 16);
    EXPECT_DOUBLE_EQ(s.TRange, 2 * 3.141592653589793);
    EXPECT_EQ(s.PRange, -4);
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
    EXPECT_EQ(s.XMax, -10);

    bounds("10", "-10", "10", "-10");
    s.Settings.ThetaMax.Text = "0";
    dimWin();
    EXPECT_EQ(events(), Events{"message [Plotmere] Invalid range for theta."});

    // A box the evaluator rejects makes the later ones count as 0.
    s.Settings.ThetaMax.Text = "2p";
    bounds("10", "R-1", "10", "-10");
    dimWin();
    EXPECT_EQ(s.YMax, 0);
    EXPECT_EQ(events(), (Events{"message [Plotmere] Invalid range.", "message [Plotmere] Invalid range for theta."}));
}

TEST_F(WindowTest, MapsTheWindowOntoThePicture) {
    bounds("10", "-10", "5", "-5");
    dimWin();
    const Context& ctx = console.context();
    EXPECT_EQ(MapToPicX(ctx, -10), 0);
    EXPECT_EQ(MapToPicX(ctx, 10), 4110);
    EXPECT_EQ(MapToPicX(ctx, 0), 2055);
    EXPECT_EQ(MapToPicY(ctx, -5), 1850);
    EXPECT_EQ(MapToPicY(ctx, 5), 0);
    EXPECT_EQ(MapToPicY(ctx, 20), -2775);  // no clipping
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
