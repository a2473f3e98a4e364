// Axes and ticks of the current window, as drawn on the picture.

#include "plot/axes.h"

#include "plot/window.h"
#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class AxesTest : public ConsoleTest {
protected:
    std::vector<PictureCall> draw(const char* xmax, const char* xmin, const char* ymax, const char* ymin,
                                  const char* xtick = "1", const char* ytick = "1") {
        s.Text3.Text = xmax;
        s.Text4.Text = xmin;
        s.Text5.Text = ymax;
        s.Text6.Text = ymin;
        s.Settings.XTickbox.Text = xtick;
        s.Settings.YTickbox.Text = ytick;
        const Viewport& view = DimWin(console.context(), console.evaluator());
        picture.calls.clear();
        Showgrid(console.context(), view);
        return picture.of("Line");
    }

    // The world x of each vertical tick (upward from the x axis), in order.
    std::vector<double> xTicks(const std::vector<PictureCall>& lines) {
        std::vector<double> out;
        for (const auto& l : lines) {
            if (l.x1 == l.x2 && l.y1 - l.y2 == 50) out.push_back(s.view.XMin + l.x1 / PictureWidth * s.view.domain);
        }
        return out;
    }
};

TEST_F(AxesTest, StandardWindowHasTicksFromTheOriginOutward) {
    const auto lines = draw("10", "-10", "10", "-10");
    ASSERT_EQ(lines.size(), 2u + 4 * 10);
    EXPECT_EQ(lines[0].x1, 2055);  // the y axis, top to bottom
    EXPECT_EQ(lines[0].y1, 0);
    EXPECT_EQ(lines[0].y2, PictureHeight);
    EXPECT_EQ(lines[1].y1, 925);  // the x axis, left to right
    EXPECT_EQ(lines[1].x2, PictureWidth);
    for (const auto& l : lines) EXPECT_EQ(l.color, (Rgb{0, 128, 0}));

    const auto ticks = xTicks(lines);
    ASSERT_EQ(ticks.size(), 20u);
    EXPECT_NEAR(ticks[0], 0, 1e-3);  // the origin, drawn by both walks
    EXPECT_NEAR(ticks[9], 9, 1e-3);
    EXPECT_NEAR(ticks[10], 0, 1e-3);
    EXPECT_NEAR(ticks[19], -9, 1e-3);
    // y ticks stick out 50 units to the right of the y axis
    EXPECT_EQ(lines[22].x1, 2055);
    EXPECT_EQ(lines[22].x2, 2105);
}

TEST_F(AxesTest, WindowAwayFromTheOrigin) {
    const auto right = xTicks(draw("15", "5", "10", "-10"));
    ASSERT_EQ(right.size(), 15u);  // 0 ... 14, of which 5 ... 14 are visible
    EXPECT_NEAR(right.back(), 14, 1e-3);

    const auto lines = draw("10", "-10", "-5", "-15");  // wholly below y = 0
    EXPECT_LT(lines[1].y1, 0);                          // the x axis lies above the picture
}

TEST_F(AxesTest, SpacingLargerThanTheWindowLeavesOnlyTheOrigin) {
    EXPECT_EQ(xTicks(draw("10", "-10", "10", "-10", "50")).size(), 2u);
}

TEST_F(AxesTest, AnySpacingEnds) {
    EXPECT_EQ(draw("10", "-10", "10", "-10", "0", "0-1").size(), 2u);  // no ticks at all
    EXPECT_LE(draw("10", "-10", "10", "-10", "1E-300").size(), 2u + 2 * 20000 + 20u);
    // Far from the origin the visible ticks are still drawn.
    const auto far = xTicks(draw("1000010", "1000000", "10", "-10"));
    EXPECT_NEAR(far.back(), 1000009, 1e-3);
}

}  // namespace
}  // namespace plotmere::testing
