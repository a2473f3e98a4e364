// Checking the viewing window: each empty or reversed range is reported.

#include "plot/window.h"

#include <array>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class WindowTest : public ConsoleTest {
protected:
    void dimWin(std::array<const char*, 5> boxes) {  // x max, x min, y max, y min, theta max
        setBounds(boxes[0], boxes[1], boxes[2], boxes[3]);
        s.Settings.ThetaMax.Text = boxes[4];
        clearFlags();
        DimWin(console.context(), console.evaluator());
    }
};

TEST_F(WindowTest, ReportsEachEmptyOrReversedRange) {
    const std::string domain = "message [Plotmere] Invalid domain.",
                      range = "message [Plotmere] Invalid range.",
                      theta = "message [Plotmere] Invalid range for theta.";
    const std::pair<std::array<const char*, 5>, Events> rows[] = {
        {{"0.5", "0", "0.5", "0", "0.5"}, {}},
        {{"5", "5", "10", "-10", "2p"}, {domain}},
        {{"10", "-10", "3", "3", "2p"}, {range}},
        {{"-10", "10", "-10", "10", "0"}, {domain, range, theta}},
        {{"10", "R-1", "10", "-10", "2p"}, {range, theta}},  // a rejected box: the later ones count as 0
    };
    for (const auto& [boxes, expected] : rows) {
        SCOPED_TRACE(boxes[0] + std::string(" ") + boxes[1]);
        dimWin(boxes);
        EXPECT_EQ(events(), expected);
        EXPECT_EQ(s.ScriptError() && s.CriticalError(), !expected.empty());
    }
    EXPECT_EQ(s.view.XMax, 10);  // kept as read
}

}  // namespace
}  // namespace plotmere::testing
