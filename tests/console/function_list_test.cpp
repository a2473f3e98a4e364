// The FunctionList window beyond what the transcript shows: every row is
// reloaded from the slots, stored as typed, and a slot that has run has lost
// its spaces.

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class FunctionListTest : public ConsoleTest {
protected:
    void open() { ASSERT_TRUE(console.Click("GotoFunkList")); }
    FunctionListWindow& w = s.FunctionList;
};

TEST_F(FunctionListTest, EveryRowRoundTripsThroughTheSlots) {
    s.Functions = {{{"old", 0}, {}, {"x+2", 1}, {}, {}, {}, {}, {}, {}, {"9", 2}}};
    w.f[5].Text = "typed, never stored";
    open();
    for (size_t i = 0; i < w.f.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w.f[i].Text, s.Functions[i].text);
        EXPECT_EQ(w.OnChk[i].Value, s.Functions[i].on);
    }
    w.f[4].Text = "2 * x";
    w.OnChk[4].Value = 1;
    w.OnChk[7].Value = 2;
    ASSERT_TRUE(console.Click("Command2"));
    for (size_t i = 0; i < FunctionSlots; ++i)
        EXPECT_EQ(s.Functions[i].on, i == 2 || i == 4 ? 1 : i == 7 || i == 9 ? 2 : 0) << i;

    open();
    EXPECT_EQ(w.f[4].Text, "2 * x");  // exactly as typed
    console.RunString(s.Functions[4].text, 1);
    open();
    EXPECT_EQ(w.f[4].Text, "2*x");
}

}  // namespace
}  // namespace plotmere::testing
