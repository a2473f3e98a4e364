// Axes and ticks of the current window, as drawn on the picture.

#include "plot/axes.h"

#include <cmath>

#include "plot/window.h"
#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class AxesTest : public ConsoleTest {
protected:
    std::vector<PictureCall> draw(const char* xmax, const char* xmin, const char* ymax, const char* ymin,
                                  const char* xtick = "1", const char* ytick = "1") {
        setBounds(xmax, xmin, ymax, ymin);
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
        for (const auto& l : lines)
            if (l.x1 == l.x2 && l.y1 - l.y2 == 50)
                out.push_back(std::round(s.view.fromPictureX(l.x1) * 1000) / 1000);
        return out;
    }
};

TEST_F(AxesTest, StandardWindowHasTicksFromTheOriginOutward) {
    const auto lines = draw("10", "-10", "10", "-10");
    ASSERT_EQ(lines.size(), 2u + 4 * 10);
    // The y axis top to bottom, the x axis left to right, then y ticks 50 units right of the y axis.
    EXPECT_EQ((std::vector{lines[0].x1, lines[0].y1, lines[0].y2, lines[1].x1, lines[1].y1, lines[1].x2,
                           lines[22].x1, lines[22].x2}),
              (std::vector<float>{2055, 0, PictureHeight, 0, 925, PictureWidth, 2055, 2105}));
    for (const auto& l : lines) EXPECT_EQ(l.color, (Rgb{0, 128, 0}));
    const auto ticks = xTicks(lines);
    ASSERT_EQ(ticks.size(), 20u);
    EXPECT_EQ((std::vector{ticks[0], ticks[9], ticks[10], ticks[19]}), (std::vector{0., 9., 0., -9.}));
}

TEST_F(AxesTest, TicksOfAWindowAwayFromTheOriginAndOfAnySpacing) {
    const auto right = xTicks(draw("15", "5", "10", "-10"));
    ASSERT_EQ(right.size(), 15u);  // 0 ... 14, of which 5 ... 14 are visible
    EXPECT_EQ(right.back(), 14);
    EXPECT_LT(draw("10", "-10", "-5", "-15")[1].y1, 0);  // wholly below y = 0: the x axis above it
    EXPECT_EQ(xTicks(draw("10", "-10", "10", "-10", "50")).size(), 2u);          // only the origin
    EXPECT_EQ(draw("10", "-10", "10", "-10", "0", "0-1").size(), 2u);            // no ticks at all
    EXPECT_LT(draw("10", "-10", "10", "-10", "1E-300").size(), 50000u);          // bounded, not ten million
    EXPECT_EQ(xTicks(draw("1000010", "1000000", "10", "-10")).back(), 1000009);  // far off, still drawn
}

}  // namespace
}  // namespace plotmere::testing
