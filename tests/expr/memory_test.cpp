// Named memory variables, m and F beyond the outcome table: single precision,
// a failed store, the growth of the tables and the two store buttons.

#include <string>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

const std::string FormatMessage =
    "message [Plotmere] Either the result box does not \\rcontain a number or the command \\ris not "
    "correct.\\rThe format of the memory store \\rcommand is: \\r#[anyword]\\rYour anyword was ";

class MemoryTest : public ConsoleTest {
protected:
    void store(const std::string& name, const std::string& shown) {
        s.Result.Caption = shown;
        clearFlags();
        eval("#[" + name + "]");
    }
    Value recall(const std::string& name) {
        clearFlags();
        return eval("$[" + name + "]");
    }
};

TEST_F(MemoryTest, AFailedStoreKeepsTheNameInTheFreeSlotUntilItIsStoredAgain) {
    store("pi", "3.14159265358979");  // held in single precision
    EXPECT_EQ(*recall("pi"), static_cast<double>(3.14159265358979f));
    EXPECT_EQ(*eval("$Xpi]"), *recall("pi"));  // the character after "$" is skipped unexamined
    events();
    store("bad", "hello");
    EXPECT_EQ(*recall("bad"), 0);
    EXPECT_EQ(s.MemCount, 1);
    store("bad", "2");
    EXPECT_EQ(events(), (Events{FormatMessage + "bad", "status bad stored."}));
    EXPECT_EQ(s.MemCount, 2);
    EXPECT_EQ(*recall("bad"), 2);

    s.Result.Caption = "2.5";  // from Evaluate, the store empties the result: the second one fails
    enter("#[abc]");
    const Events seen = run("#[abc]");
    EXPECT_EQ(seen.at(seen.size() - 3), FormatMessage + "abc");
}

TEST_F(MemoryTest, TablesGrowAfterTheHundredAndFirstNameAndResetShrinksThem) {
    for (int i = 0; i < 100; ++i) store("v" + std::to_string(i), std::to_string(i));
    EXPECT_EQ(s.MemLimit(), 100);
    events();
    store("v100", "100");
    EXPECT_EQ(events(), (Events{"message [Plotmere] Memory expanding...", "status v100 stored."}));
    EXPECT_EQ(s.MemLimit(), 200);
    EXPECT_EQ(*recall("v100"), 100);

    store("RESET", "4");
    EXPECT_EQ(s.MemLimit(), 100);
    EXPECT_FALSE(recall("v1").has_value());
    for (int i = 0; i < 99; ++i) store("w" + std::to_string(i), "1");  // RESET holds slot 0
    EXPECT_EQ(s.MemLimit(), 100);
    store("w99", "1");
    EXPECT_EQ(s.MemLimit(), 200);
}

TEST_F(MemoryTest, SetMemAndStoreFunctionButtons) {
    for (const char* shown : {"3.14159265358979", "1E+300", ""}) {
        s.Result.Caption = shown;
        console.Click("SetMem");
    }
    EXPECT_EQ(*eval("m"), static_cast<double>(3.14159265358979f));
    enter("x ^2", "SetFunc");
    EXPECT_EQ(s.StoredFunction, "x ^2");  // kept as typed, spaces included
    const std::string notANumber = "message [Plotmere] Value to be stored is not a number.";
    EXPECT_EQ(events(), (Events{"status 3.141593 stored as m.", notANumber, notANumber,
                                "status Function stored as F."}));
}

}  // namespace
}  // namespace plotmere::testing
