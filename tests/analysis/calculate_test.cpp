// The Calculate commands on the typed function: the searches around the guess
// line, the integral with its dots and the stale flags of an invalid
// window.

#include "analysis/search.h"
#include "expr/number_text.h"
#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class CalculateTest : public ConsoleTest {
protected:
    void window(const std::string& xmin, const std::string& xmax) { setBounds(xmax, xmin, "10", "-10"); }
    std::string run(const char* button, const std::string& function) {
        enter(function, button);
        return s.Result.Caption;
    }
};

// With a sample at every integer, -250 ... 249 around the guess; ties go to
// the leftmost, failed samples never win.
TEST_F(CalculateTest, SearchesSampleAroundTheGuessNotTheWindow) {
    window("0", FormatDouble(PictureWidth));
    const std::tuple<double, const char*, const char*, const char*> rows[] = {
        {0, "LocalMin", "x^2", "0"},           {0, "Root", "x-100", "100"},
        {0, "Root", "x-300", "249"},           {0, "LocalMin", "x", "-250"},
        {0, "LocalMax", "x", "249"},           {0, "LocalMax", "7", "-250"},
        {0, "LocalMin", "A((xx)-400)", "-20"}, {3000, "LocalMin", "x", "2750"},
        {3000, "LocalMax", "x", "3249"},       {3000, "Root", " x - 3 1 0 0 ", "3100"},
        {0, "LocalMin", "1/x", "-1"},          {0, "Root", "R(x-10)", "10"},
    };
    for (auto [guess, button, function, found] : rows) {
        s.guess = guess;
        EXPECT_EQ(run(button, function), found) << button << " " << function;
    }
    EXPECT_EQ(run("Root", "1/(x-x)"), "10");  // fails everywhere: no number, Result kept
    EXPECT_EQ(events().back(), "status Error.");
    EXPECT_EQ(FindLowest({}), std::nullopt);
}

TEST_F(CalculateTest, IntegralSumsTheWindowAndDrawsItsDots) {
    window("0", FormatDouble(PictureWidth));
    EXPECT_EQ(run("Integrate", "1"), "4111");  // both ends included
    const auto dots = picture.of("PSet");
    ASSERT_EQ(dots.size(), 4111u);
    EXPECT_EQ(dots[0].color, (Rgb{128, 0, 0}));
    EXPECT_EQ(dots[0].y1, 925 - 92.5f);
    EXPECT_EQ(dots.back().x1, PictureWidth);
    EXPECT_EQ(run("Integrate", "x"), "8448105");
    EXPECT_EQ(run("Integrate", "1/x"), "8448105");  // x = 0 is a sample: no number, Result kept
    EXPECT_EQ(events().back(), "status Error.");
    s.Result.Caption = "none";
    // Each sample is evaluated twice, what it shows shown twice, but for the one 1/x rejects.
    run("Integrate", "1/x+r");
    EXPECT_EQ(count(events(), "message [Plotmere] r input from result window is not a number."),
              2 * 4111 - 1);

    picture.calls.clear();
    window("-10", "10");
    run("Integrate", "xxx*1E6");  // far below and far above the picture: both on the top edge
    EXPECT_EQ(picture.of("PSet").front().y1, 0);
    EXPECT_EQ(picture.of("PSet").back().y1, 0);
}

TEST_F(CalculateTest, UnbalancedParenthesisIsReportedOnce) {
    for (const char* button : {"Root", "LocalMax", "Integrate"}) {
        SCOPED_TRACE(button);
        s.Result.Caption = "kept";
        EXPECT_EQ(run(button, "(x"), "kept");
        EXPECT_EQ(count(events(), "message [Not so fast] Parentheses Error:  ) not found."), 1);
        EXPECT_EQ(s.Console.Caption, "Plotmere");
        run("Evaluate", "1");  // clears the flag for the next button
    }
}

TEST_F(CalculateTest, InvalidWindowStopsCommandsUntilTheNextEvaluate) {
    window("5", "5");
    const std::string caption = s.Console.Caption;
    run("LocalMin", "x");
    EXPECT_EQ(events(), Events{"message [Plotmere] Invalid domain."});
    EXPECT_EQ(s.Console.Caption, caption);  // untouched
    run("Root", "x");
    EXPECT_EQ(s.Console.Caption, "Plotmere <running>");
    EXPECT_EQ(events(), (Events{"status Getting root", "message [Plotmere] Invalid domain."}));

    window("-10", "10");  // corrected, but the flag is stale
    const std::string before = s.Result.Caption;
    EXPECT_EQ(run("LocalMin", "x"), before);
    EXPECT_TRUE(events().empty());
    console.Click("Evaluate");
    EXPECT_NE(run("LocalMin", "x"), before);
}

}  // namespace
}  // namespace plotmere::testing
