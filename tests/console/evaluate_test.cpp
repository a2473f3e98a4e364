// The Evaluate command in evaluate mode: the x box, slot 0, the result label
// and the status line's fade; messages and history are in the transcripts.

#include "state/running_caption.h"
#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class EvaluateTest : public ConsoleTest {
protected:
    void evaluate(const std::string& function, const std::string& xText = "0") {
        s.FunctionIn.Text = function;
        s.Xequals.Text = xText;
        console.Click("Evaluate");
    }
};

TEST_F(EvaluateTest, ShowsTheValueAtXInItsShortForm) {
    s.Functions[3] = {"99", 1};  // evaluate mode runs slot 0 only
                                 // clang-format off
    for (auto [function, x, shown] : {std::tuple{"2x", "2 * 3", "12"}, {"2x", "", "0"}, {" 2 * x", "3", "6"},
                                      {"#[v]", "0", ""},    // an empty value shows as nothing
                                      {"x+5", "R-1", "1"}}) {  // a bad x box spoils the command
        // clang-format on
        s.Result.Caption = "1";
        evaluate(function, x);
        EXPECT_EQ(s.Result.Caption, shown) << function << " at " << x;
    }
    EXPECT_EQ(s.Status.Caption, "Error.");
    evaluate("x+1", "1");  // the next command starts with clear flags
    EXPECT_EQ(s.Result.Caption, "2");
    EXPECT_EQ(s.Functions[0].text, "x+1");
    EXPECT_EQ(s.Functions[0].on, 1);
}

// A failure is reported with the window still shown running; its handler then restores it.
TEST(RunningCaptionTest, LeavesTheCaptionOfAFailureToItsHandler) {
    Form window;
    try {
        const RunningCaption running(window);
        throw EvalFailure("Overflow");
    } catch (const EvalFailure&) {
        EXPECT_EQ(window.Caption, "Plotmere <running>");
    }
}

TEST_F(EvaluateTest, StatusTurnsBlackThreeSecondsAfterTheLastMessage) {
    evaluate("1");
    wait(2000);
    s.Result.Caption = "5";
    console.Click("SetMem");  // a second message restarts the interval
    wait(2999);
    EXPECT_EQ(s.Status.ForeColor, 1);
    wait(1);
    EXPECT_EQ(s.Status.ForeColor, 0);
    EXPECT_FALSE(s.TextReset.Enabled);
}

}  // namespace
}  // namespace plotmere::testing
