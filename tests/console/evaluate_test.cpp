// The Evaluate command in evaluate mode, the status line and the result label.

#include "state/running_caption.h"
#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

using Events = std::vector<std::string>;

class EvaluateTest : public ConsoleTest {
protected:
    void evaluate(const std::string& function, const std::string& xText = "0") {
        s.FunctionIn.Text = function;
        s.Xequals.Text = xText;
        console.Click("Evaluate");
    }
};

TEST_F(EvaluateTest, ShowsTheValueAtXAndKeepsTheHistory) {
    EXPECT_EQ(s.Console.Caption, "Plotmere 7G");
    evaluate("2*3+1");
    EXPECT_EQ(s.Result.Caption, "8");
    EXPECT_EQ(s.Console.Caption, "Plotmere");
    EXPECT_EQ(events(), Events{"status Evaluating input"});

    evaluate("2x", "2 * 3");
    EXPECT_EQ(s.LastResult, 6);
    EXPECT_EQ(s.Result.Caption, "12");
    evaluate("2x", "");
    EXPECT_EQ(s.Result.Caption, "0");
    evaluate("2x", "");
    EXPECT_EQ(s.FunctionIn.List, (std::vector<std::string>{"2*3+1", "2x", "2x", "2x"}));
}

TEST_F(EvaluateTest, NumbersShowInTheirShortForm) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "0"}, {"5/2", "2.5"}, {"0-3", "-3"}, {"1E20", "1E+20"}, {"1/3", "0.333333333333333"},
        {"-0", "0"}, {"#[v]", ""},
    };
    for (auto [function, shown] : rows) {
        s.Result.Caption = "1";
        evaluate(function);
        EXPECT_EQ(s.Result.Caption, shown) << function;
    }
}

TEST_F(EvaluateTest, ErrorsBeepAndKeepTheOldResult) {
    evaluate("7");
    events();
    evaluate("10/0");
    EXPECT_EQ(s.Result.Caption, "7");
    EXPECT_EQ(events(), (Events{"status Evaluating input", "beep", "status Error."}));

    // A bad x = box spoils the whole command.
    evaluate("x+1", "R-1");
    EXPECT_EQ(s.LastResult, 0);
    EXPECT_EQ(s.Result.Caption, "7");
    EXPECT_EQ(s.Status.Caption, "Error.");

    // The next command starts with clear flags.
    evaluate("x+1", "1");
    EXPECT_EQ(s.Result.Caption, "2");
    EXPECT_FALSE(s.EvalError);
}

TEST_F(EvaluateTest, RunTimeFailureIsReportedAndEndsOnlyTheCommand) {
    evaluate("4");
    events();
    evaluate("!171");
    EXPECT_EQ(events(), (Events{"status Evaluating input", "message [Plotmere] Run-time error: Overflow"}));
    EXPECT_EQ(s.Console.Caption, "Plotmere");
    EXPECT_EQ(s.Result.Caption, "4");
    EXPECT_EQ(s.FunctionIn.List, std::vector<std::string>{"4"});
    evaluate("2+2");
    EXPECT_EQ(s.Result.Caption, "4");
}

// A failure is reported with the window still shown running; its handler then restores it.
TEST(RunningCaptionTest, LeavesTheCaptionOfAFailureToItsHandler) {
    Form window;
    try {
        const RunningCaption running(window);
        throw EvalFailure("Overflow");
    } catch (const EvalFailure&) { EXPECT_EQ(window.Caption, "Plotmere <running>"); }
}

TEST_F(EvaluateTest, SlotZeroTakesTheTypedTextAndIsRunWithoutSpaces) {
    s.Functions[3] = {"99", 1};
    evaluate(" 2 * x", "3");
    EXPECT_EQ(s.Result.Caption, "6");  // evaluate mode runs slot 0 only
    EXPECT_EQ(s.Functions[0].text, "2*x");
    EXPECT_EQ(s.Functions[0].on, 1);
    EXPECT_EQ(s.FunctionIn.List.back(), " 2 * x");  // the history keeps what was typed
}

TEST_F(EvaluateTest, RemovesTheStartupPictureThenClears) {
    evaluate("1");
    ASSERT_EQ(picture.calls.size(), 2u);
    EXPECT_EQ(picture.calls[0].op, "NoBackground");
    EXPECT_EQ(picture.calls[1].op, "Cls");
}

TEST_F(EvaluateTest, StatusTurnsBlackThreeSecondsAfterTheLastMessage) {
    EXPECT_EQ(s.Status.Caption, "Ready");
    EXPECT_EQ(s.Status.ForeColor, 0);
    evaluate("1");
    EXPECT_EQ(s.Status.ForeColor, 1);
    wait(2000);
    s.Result.Caption = "5";
    console.Click("SetMem");  // a second message restarts the interval
    wait(2999);
    EXPECT_EQ(s.Status.ForeColor, 1);
    wait(1);
    EXPECT_EQ(s.Status.ForeColor, 0);
    EXPECT_FALSE(s.TextReset.Enabled);
    EXPECT_EQ(s.Status.Caption, "5 stored as m.");
}

}  // namespace
}  // namespace plotmere::testing
