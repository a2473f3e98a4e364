// Graph mode: the slots in their colours, Cartesian sweeps, polar and
// parametric curves.

#include <cmath>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

using Events = std::vector<std::string>;

class GraphTest : public ConsoleTest {
protected:
    void SetUp() override { s.WhichOp.Value = 1; }
    void graph(const std::string& function, int kind = 0) {
        s.GraphMode.Selected = kind;
        s.FunctionIn.Text = function;
        console.Click("Evaluate");
    }
    std::vector<PictureCall> points() { return picture.of("PSet"); }
};

TEST_F(GraphTest, CartesianSweepSetsOnePointPerUnitOverTheAxes) {
    graph("x");
    EXPECT_EQ(events(), (Events{"status Evaluating input", "status Graphing function...", "status Ready"}));
    const auto pts = points();
    ASSERT_GE(pts.size(), PictureWidth);
    ASSERT_LE(pts.size(), PictureWidth + 1);
    EXPECT_EQ(pts.front().x1, 0);
    EXPECT_EQ(pts.front().y1, PictureHeight);
    EXPECT_NEAR(pts.back().x1, PictureWidth, 1.01);
    EXPECT_NEAR(pts[2055].y1, 925, 0.5);
    // The axes come first, the curve on top.
    EXPECT_EQ(picture.calls[2].op, "Line");
    EXPECT_EQ(picture.calls.back().op, "PSet");
}

TEST_F(GraphTest, FarOffAndRejectedSamplesLandOnTheTopEdge) {
    graph("2000");  // py about -184,000: beyond the bound
    for (const auto& p : points()) ASSERT_EQ(p.y1, 0);
    picture.calls.clear();
    graph("500");  // py about -45,000: kept, outside the picture
    EXPECT_NEAR(points().front().y1, 925 - 46250, 1);
    picture.calls.clear();
    graph("x/(x-x)");  // rejected everywhere, yet the sweep goes on
    EXPECT_GE(points().size(), PictureWidth);
    for (const auto& p : points()) ASSERT_EQ(p.y1, 0);
}

TEST_F(GraphTest, SlotsAreDrawnInOrderInTheirColours) {
    s.Functions[3] = {"1", 1};
    s.Functions[7] = {"2", 1};
    s.Functions[5] = {"3", 2};  // grey counts as off
    graph("0");
    std::vector<Rgb> order;
    for (const auto& p : points()) {
        if (order.empty() || !(order.back() == p.color)) order.push_back(p.color);
    }
    EXPECT_EQ(order, (std::vector<Rgb>{{0, 0, 0}, {0, 128, 128}, {192, 192, 192}}));
}

TEST_F(GraphTest, UnbalancedParenthesisStopsTheSweepWithOneMessage) {
    graph("(x");
    EXPECT_EQ(events(), (Events{"status Evaluating input", "status Graphing function...", "beep", "beep",
                                "message [Not so fast] Parentheses Error:  ) not found.",
                                "status Critical graphing error."}));
    EXPECT_EQ(points().size(), 1u);
}

TEST_F(GraphTest, InvalidWindowDrawsNothing) {
    s.Text3.Text = "-10";
    s.Text4.Text = "10";
    graph("x");
    EXPECT_EQ(events(), (Events{"status Evaluating input", "message [Plotmere] Invalid domain."}));
    EXPECT_TRUE(points().empty());
}

TEST_F(GraphTest, AxesCanBeSwitchedOff) {
    s.Settings.Axes.Value = 0;
    graph("x");
    EXPECT_TRUE(picture.of("Line").empty());
}

TEST_F(GraphTest, PolarCurveAroundTheOrigin) {
    graph("2", 1);
    const auto pts = points();
    EXPECT_EQ(pts.size(), 31416u);  // theta 0 ... 2p by 0.0002
    for (size_t i = 0; i < pts.size(); i += 997) {
        const double x = (pts[i].x1 - 2055) / 205.5, y = (925 - pts[i].y1) / 92.5;
        ASSERT_NEAR(std::hypot(x, y), 2, 0.01);
        ASSERT_EQ(pts[i].color, (Rgb{0, 0, 0}));
    }
    EXPECT_EQ(picture.calls.back().op, "Line");  // the axes come after the curve

    picture.calls.clear();
    graph("x", 1);  // a spiral ending near (6.28, 0)
    EXPECT_NEAR(points().back().x1, 2055 + 6.28 * 205.5, 2);
}

TEST_F(GraphTest, ParametricPairSplitsAtTheFirstComma) {
    graph("(x,x*x)", 2);
    const auto pts = points();
    EXPECT_NEAR(pts.size(), 50001u, 1);  // t 0 ... 10 by 0.0002, added up
    EXPECT_NEAR(pts[5000].x1, 2055 + 205.5, 0.5);  // t = 1
    EXPECT_NEAR(pts[5000].y1, 925 - 92.5, 0.5);

    events();
    graph("x*x", 2);
    EXPECT_EQ(events(), (Events{"status Evaluating input", "status Graphing function...",
                                "message [Plotmere] No comma!"}));
    EXPECT_TRUE(s.ScriptError && s.EvalError && s.CriticalError);

    for (const char* odd : {",", "(,x)", "(x,)", "x,"}) {
        SCOPED_TRACE(odd);
        graph(odd, 2);  // an empty half counts as 0
        EXPECT_FALSE(s.ScriptError);
    }
}

TEST_F(GraphTest, CurvesEndWhateverTheStep) {
    s.Settings.ThetaStep.Text = "0";
    graph("x", 1);
    EXPECT_EQ(s.Status.Caption, "Ready");
    s.Settings.ParamStep.Text = "1E-300";
    picture.calls.clear();
    graph("(x,x)", 2);
    EXPECT_LE(points().size(), 200001u);
    s.Settings.ThetaStep.Text = "1";
    events();
    graph("(x", 1);
    EXPECT_EQ(events().size(), 6u);  // one message, then the stop
    EXPECT_EQ(s.Status.Caption, "Critical graphing error.");
}

}  // namespace
}  // namespace plotmere::testing
