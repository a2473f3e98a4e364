// Zoom Out, the guess-line arrows, Clear Screen, the zoom box and the pointer's
// readout, beyond what the tools transcript shows.

#include <array>
#include <cmath>
#include <cstdio>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

using ViewTest = ConsoleTest;

TEST_F(ViewTest, ZoomOutDoublesTheWindowAboutItsCentreAndClearScreenFlashes) {
    setBounds("1", "0", "2p", "-10");
    console.Click("ZOut");
    EXPECT_EQ(bounds(), (Events{"1.5", "-0.5", "14.4247779607694", "-18.1415926535898"}));
    std::vector<Rgb> flash;
    for (const auto& c : picture.calls) {
        if (c.op != "BackColor") break;
        flash.push_back(c.color);
    }
    EXPECT_EQ(flash, (std::vector<Rgb>{{0, 0, 0}, {0, 0, 128}, {255, 255, 255}}));
}

// Trace puts the guess line at the window's centre; the arrows move it, repairing the old column.
TEST_F(ViewTest, TraceAndTheArrowsDrawTheGuessLine) {
    for (auto [button, units] :
         {std::pair{"Trace", 0}, {"Left", -10}, {"Right", 10}, {"MLeft", -100}, {"MRight", 100}}) {
        SCOPED_TRACE(button);
        s.guess = 0;
        picture.calls.clear();
        console.Click(button);
        EXPECT_NEAR(s.guess, units * 20.0 / PictureWidth, 1e-12);
        ASSERT_EQ(picture.calls.size(), units ? 3u : 1u);
        const PictureCall& line = picture.calls.back();
        EXPECT_NEAR(line.x1, 2055 + units, 1e-3);
        EXPECT_TRUE(line.y1 == 0 && line.y2 == PictureHeight + 1 && line.color == (Rgb{0, 0, 128}));
        if (!units) continue;
        // The old column painted white, the empty text's value, 0, restored there.
        EXPECT_EQ((std::array{picture.calls[0].x1, picture.calls[1].y1}), (std::array{2055.f, 925.f}));
        EXPECT_EQ(picture.calls[0].color, (Rgb{255, 255, 255}));
    }
}

TEST_F(ViewTest, TheZoomBoxIsDrawnAndRedrawnAfter150Ms) {
    s.WhichOp.Value = 1;
    console.MouseDown(3699, 370);  // corners in any order
    console.MouseDown(411, 1480);  // the bounds it sets are in the tools transcript
    const auto lines = picture.of("Line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ((std::array{lines[0].x1, lines[1].x1, lines[2].y1, lines[2].y2, lines[3].y1, lines[3].y2,
                          lines[0].y2, lines[3].x2}),
              (std::array<float, 8>{411, 3699, 1480, 1480, 370, 370, 0, PictureWidth}));
    EXPECT_EQ(lines[0].color, (Rgb{0, 255, 0}));
    wait(149);
    EXPECT_TRUE(picture.of("Cls").empty());
    wait(1);
    EXPECT_EQ(s.view.XMax, 7.99999952316284);  // redrawn in the new window

    setBounds("10", "-10", "10", "-10");
    console.MouseDown(1000, 1000);
    console.MouseDown(1000, 1000);
    events();
    wait(150);
    EXPECT_EQ(events(), (Events{"message [Plotmere] Invalid domain.", "message [Plotmere] Invalid range."}));
}

// Half the last place a number's text shows: how far it may lie from the value
// it was rounded from.
double halfLastPlace(const std::string& number) {
    const size_t point = number.find('.');
    return 0.5 * std::pow(10.0, point == std::string::npos ? 0.0 : -double(number.size() - point - 1));
}

// The readout's text, a rounding of the bounds the zoom box writes for a
// second press at the same point.
TEST_F(ViewTest, ThePointerReadsWhatAPressThereMarks) {
    constexpr std::array<const char*, 4> standard{"-10", "10", "-10", "10"};
    // clang-format off
    struct Row {
        const char* name; std::array<const char*, 4> window;  // XMin, XMax, YMin, YMax
        int graphMode, angleUnit; double scale; float u, v; const char* text;
    };
    const Row rows[] = {
        {"250 %", standard, 0, 0, 2.5, 1000, 500, "x = -5.13  y = 4.59"},
        {"zoomed", {"1", "1.001", "2", "2.0005"}, 0, 0, 1, 1000, 500, "x = 1.000243  y = 2.000365"},
        {"zoomed past fifteen digits", {"1", "1.0000000000001", "-10", "10"}, 0, 0, 1, 1000, 500,
         "x = 1.00000000000002  y = 4.6"},
        {"ten Zoom Outs: y has coarser pixels, no exponents", {"-10240", "10240", "-10240", "10240"}, 0, 0, 1,
         999.4f, 500.43f, "x = -5260  y = 4700"},
        {"polar, y rounds to -0.1", standard, 1, 0, 1, 1000, 930.0875f, "x = -5.13  y = -0.1  r = 5.13  θ = 3.16"},
        {"polar in degrees, almost a turn", standard, 1, 1, 2.5, 2363, 926, "x = 1.5  y = -0.01  r = 1.5  θ = 0"},
        {"polar after seven Zoom Outs", {"-1280", "1280", "-1280", "1280"}, 1, 0, 1, 2085.5f, 917.77f,
         "x = 19  y = 10  r = 21  θ = 0.5"},
        {"polar, y rounds to 0, one digit", standard, 1, 0, 1, 2065.275f, 928.7f, "x = 0.05  y = 0  r = 0.05  θ = 0"},
    };
    // clang-format on
    EXPECT_EQ(console.PointerReadout(1000, 500, 1), std::nullopt);  // no window read yet
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setBounds(row.window[1], row.window[0], row.window[3], row.window[2]);
        s.GraphMode.Selected = row.graphMode;
        s.Option1.Selected = row.angleUnit;
        console.MouseDown(0, PictureHeight);  // XMin and YMin stay
        console.MouseDown(row.u, row.v);
        const std::string text = console.PointerReadout(row.u, row.v, row.scale).value_or("none");
        EXPECT_EQ(text, row.text);
        char x[32] = "", y[32] = "";
        std::sscanf(text.c_str(), "x = %31s y = %31s", x, y);
        EXPECT_NEAR(std::stod(x), std::stod(s.Text3.Text), halfLastPlace(x));
        EXPECT_NEAR(std::stod(y), std::stod(s.Text5.Text), halfLastPlace(y));
    }
}

}  // namespace
}  // namespace plotmere::testing
