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
    struct Row {
        const char *function, *x, *shown;
    } rows[] = {
        {"2x", "2 * 3", "12"}, {"2x", "", "0"},  {"", "0", "0"},
        {"0-3", "0", "-3"},    {"-0", "0", "0"}, {"#[v]", "0", ""},  // an empty value shows as nothing
        {"x+5", "R-1", "1"},  // a bad x box spoils the command: the old result stays
    };
    for (auto [function, x, shown] : rows) {
        s.Result.Caption = "1";
        evaluate(function, x);
        EXPECT_EQ(s.Result.Caption, shown) << function << " at " << x;
    }
    EXPECT_EQ(s.Status.Caption, "Error.");
    evaluate("x+1", "1");  // the next command starts with clear flags
    EXPECT_EQ(s.Result.Caption, "2");
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

TEST_F(EvaluateTest, SlotZeroTakesTheTypedTextAndIsRunWithoutSpaces) {
    s.Functions[3] = {"99", 1};
    evaluate(" 2 * x", "3");
    EXPECT_EQ(s.Result.Caption, "6");  // evaluate mode runs slot 0 only
    EXPECT_EQ(s.Functions[0].text, "2*x");
    EXPECT_EQ(s.Functions[0].on, 1);
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
