// Graph mode as drawn: the slots in their colours, Cartesian sweeps, polar and
// parametric curves (the status texts are in the graph transcript).

#include <cmath>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class GraphTest : public ConsoleTest {
protected:
    void SetUp() override { s.WhichOp.Value = 1; }
    std::vector<PictureCall> graph(const std::string& function, int kind = 0) {
        s.GraphMode.Selected = kind;
        picture.calls.clear();
        enter(function);
        return picture.of("PSet");
    }
};

TEST_F(GraphTest, CartesianSweepSetsOnePointPerUnitOverTheAxes) {
    const auto pts = graph("x");
    ASSERT_NEAR(pts.size(), PictureWidth + 0.5, 0.5);
    EXPECT_EQ(pts.front().x1, 0);
    EXPECT_EQ(pts.front().y1, PictureHeight);
    EXPECT_NEAR(pts.back().x1, PictureWidth, 1.01);
    EXPECT_NEAR(pts[2055].y1, 925, 0.5);
    EXPECT_EQ(picture.calls[2].op, "Line");  // the axes first, the curve on top
    EXPECT_EQ(picture.calls.back().op, "PSet");

    for (const auto& p : graph("2000")) ASSERT_EQ(p.y1, 0);  // py about -184,000: beyond the bound
    EXPECT_NEAR(graph("500").front().y1, 925 - 46250, 1);    // kept, outside the picture
    const auto rejected = graph("x/(x-x)");                  // everywhere, yet the sweep goes on
    EXPECT_GE(rejected.size(), PictureWidth);
    for (const auto& p : rejected) ASSERT_EQ(p.y1, 0);
    const auto rootOfX = graph("Rx");  // rejected left of 0, drawn again right of it
    EXPECT_EQ(rootOfX.front().y1, 0);
    EXPECT_NEAR(rootOfX.back().y1, 925 - std::sqrt(10) * 92.5, 0.5);

    s.Settings.Axes.Value = 0;
    graph("x");
    EXPECT_TRUE(picture.of("Line").empty());
    s.Text3.Text = "-10";  // an invalid window
    EXPECT_TRUE(graph("x").empty());
}

TEST_F(GraphTest, SlotsAreDrawnInOrderInTheirColours) {
    s.Functions[5] = {"1", 1};
    s.Functions[7] = {"2", 1};
    s.Functions[3] = {"3", 2};  // grey counts as off
    s.Functions[8] = {"4", 1};
    s.Functions[9] = {"5", 1};
    std::vector<Rgb> order;
    for (const auto& p : graph("0"))
        if (order.empty() || !(order.back() == p.color)) order.push_back(p.color);
    EXPECT_EQ(order,
              (std::vector<Rgb>{{0, 0, 0}, {128, 0, 128}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255}}));
}

TEST_F(GraphTest, UnbalancedParenthesisStopsTheSweepWithOneMessage) {
    for (int kind : {0, 1}) {
        SCOPED_TRACE(kind);
        events();
        EXPECT_EQ(graph("(x", kind).size(), 1u);  // the sample that stopped it is drawn
        EXPECT_EQ(events().size(), 6u);           // two beeps, the box and the stop
        EXPECT_EQ(s.Status.Caption, "Critical graphing error.");
    }
}

// The script of the scripts transcript: the sweep's first x, -10, is drawn
// where the window the script read puts it, a third of the way across.
TEST_F(GraphTest, TheSweepDrawsThroughTheWindowAScriptInItLeft) {
    folder.write("window", "2\n#[w]\n(\n");
    s.MemTable[0] = {"w", -10};
    s.MemCount = 1;
    s.Result.Caption = "-20";
    s.Text4.Text = "$[w]";
    EXPECT_EQ(graph("x+0\"window\"").back().x1, PictureWidth / 3);
}

TEST_F(GraphTest, PolarCurveAroundTheOrigin) {
    const auto pts = graph("2", 1);
    EXPECT_EQ(pts.size(), 31416u);  // theta 0 ... 2p by 0.0002
    for (size_t i = 0; i < pts.size(); i += 997) {
        const double x = (pts[i].x1 - 2055) / 205.5, y = (925 - pts[i].y1) / 92.5;
        ASSERT_NEAR(std::hypot(x, y), 2, 0.01);
        ASSERT_EQ(pts[i].color, (Rgb{0, 0, 0}));
    }
    EXPECT_EQ(picture.calls.back().op, "Line");                    // the axes come after the curve
    EXPECT_NEAR(graph("x", 1).back().x1, 2055 + 6.28 * 205.5, 2);  // a spiral ending near (6.28, 0)
    s.Settings.ThetaMin.Text = "3";
    EXPECT_NEAR(graph("x", 1).front().x1, 2055 + 3 * std::cos(3) * 205.5, 2);  // starting at theta 3
}

TEST_F(GraphTest, ParametricPairSplitsAtTheFirstComma) {
    const auto pts = graph("(x,x*x)", 2);
    EXPECT_NEAR(pts.size(), 50001u, 1);            // t 0 ... 10 by 0.0002, added up
    EXPECT_NEAR(pts[5000].x1, 2055 + 205.5, 0.5);  // t = 1
    EXPECT_NEAR(pts[5000].y1, 925 - 92.5, 0.5);

    graph("x*x", 2);
    EXPECT_TRUE(s.ScriptError() && s.EvalError() && s.CriticalError());
    for (const char* odd : {",", "(,x)", "(x,)", "x,"}) {
        SCOPED_TRACE(odd);
        graph(odd, 2);  // an empty half counts as 0
        EXPECT_FALSE(s.ScriptError());
    }
}

TEST_F(GraphTest, CurvesEndWhateverTheStep) {
    s.Settings.ThetaStep.Text = "0";
    graph("x", 1);
    EXPECT_EQ(s.Status.Caption, "Ready");
    s.Settings.ParamStep.Text = "1E-300";
    EXPECT_LT(graph("(x,x)", 2).size(), 1000000u);  // coarsened: not 1E+301 samples
}

}  // namespace
}  // namespace plotmere::testing
