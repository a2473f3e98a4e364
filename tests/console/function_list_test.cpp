// The FunctionList window: opening reloads it from the slots and the function
// box, "OK" stores it, "Cancel" drops it.

#include <array>
#include <string>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class FunctionListTest : public ConsoleTest {
protected:
    void open() { ASSERT_TRUE(console.Click("GotoFunkList")); }
    void ok() { ASSERT_TRUE(console.Click("Command2")); }
    void cancel() { ASSERT_TRUE(console.Click("Command1")); }
    FunctionListWindow& w = s.FunctionList;
};

TEST_F(FunctionListTest, OpeningReloadsEveryRowAndTakesRowZeroFromTheFunctionBox) {
    s.Functions = {{{"old", 0}, {}, {"x+2", 1}, {}, {}, {}, {}, {}, {}, {"9", 2}}};
    w.f[5].Text = "typed, never stored";
    s.FunctionIn.Text = "sin(x)";
    open();
    EXPECT_TRUE(w.FunctionList.Visible);
    EXPECT_EQ(s.Functions[0].text, "sin(x)");
    for (size_t i = 0; i < w.f.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.f[i].Text, s.Functions[i].text);
        EXPECT_EQ(w.OnChk[i].Value, s.Functions[i].on);
    }
}

TEST_F(FunctionListTest, OkStoresTheRowsAndCancelDropsThem) {
    open();
    w.f[0].Text = "x^2";
    w.f[4].Text = "2 * x";
    w.OnChk[4].Value = 1;
    w.OnChk[7].Value = 2;
    ok();
    // Row 0 was off: no Evaluate had switched slot 0 on yet.
    EXPECT_EQ(s.FunctionIn.Text, "x^2");
    EXPECT_EQ(s.Functions[4].text, "2 * x");  // exactly as typed
    for (size_t i = 0; i < FunctionSlots; ++i) EXPECT_EQ(s.Functions[i].on, i == 4 ? 1 : i == 7 ? 2 : 0) << i;
    EXPECT_TRUE(s.Console.Visible);
    EXPECT_FALSE(w.FunctionList.Visible);

    open();
    w.f[2].Text = "edited";
    w.OnChk[4].Value = 0;
    cancel();
    EXPECT_EQ(s.Functions[2].text, "");
    EXPECT_EQ(s.Functions[4].on, 1);
    EXPECT_FALSE(w.FunctionList.Visible);
    open();
    EXPECT_EQ(w.f[2].Text, "");
    EXPECT_EQ(w.OnChk[4].Value, 1);
}

TEST_F(FunctionListTest, EvaluateSwitchesRowZeroOnAgain) {
    open();
    w.OnChk[0].Value = 0;
    ok();
    EXPECT_EQ(s.Functions[0].on, 0);
    console.Click("Evaluate");
    EXPECT_EQ(s.Functions[0].on, 1);
    open();
    EXPECT_EQ(w.OnChk[0].Value, 1);
}

TEST_F(FunctionListTest, ASlotLosesItsSpacesOnceItHasRun) {
    open();
    w.f[3].Text = "2 * x";
    ok();
    open();
    EXPECT_EQ(w.f[3].Text, "2 * x");
    console.RunString(s.Functions[3].text, 1);
    open();
    EXPECT_EQ(w.f[3].Text, "2*x");
}

}  // namespace
}  // namespace plotmere::testing
