// Named memory variables, m and F: what is stored, what is found, the
// messages and the growth of the tables.

#include <string>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

const char* const FormatMessage =
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

TEST_F(MemoryTest, StoreAndRecallByName) {
    store("abc", "2.5");
    EXPECT_EQ(events(), std::vector<std::string>{"status abc stored."});
    EXPECT_EQ(*recall("abc"), 2.5);
    EXPECT_EQ(*recall("abc]+1"), 2.5);  // the name ends at the first "]"
    clearFlags();
    EXPECT_EQ(*eval("2$[abc]"), 5);
    EXPECT_EQ(*eval("$Xabc]"), 2.5);  // the character after "$" is skipped unexamined

    store("abc", "7");  // an existing name changes silently
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(*recall("abc"), 7);

    store("pi", "3.14159265358979");  // held in single precision
    EXPECT_EQ(*recall("pi"), static_cast<double>(3.14159265358979f));
}

TEST_F(MemoryTest, MissingNamesAndBadCommands) {
    store("abc", "1");
    events();
    EXPECT_FALSE(recall("ABC").has_value());
    EXPECT_TRUE(s.EvalError && s.CriticalError && s.ScriptError);
    EXPECT_EQ(events(), std::vector<std::string>{"message [Plotmere] Variable ABC not found."});

    EXPECT_EQ(*recall(""), 0);  // the empty name is the first free slot
    EXPECT_TRUE(events().empty());

    store("bad", "hello");
    EXPECT_TRUE(s.EvalError && s.CriticalError && s.ScriptError);
    EXPECT_EQ(events(), std::vector<std::string>{std::string(FormatMessage) + "bad"});
    // The name stays in the free slot until the next new name takes it.
    EXPECT_EQ(*recall("bad"), 0);
    EXPECT_EQ(s.MemCount, 1);

    clearFlags();
    eval("#[");
    EXPECT_EQ(events(), std::vector<std::string>{FormatMessage});
}

TEST_F(MemoryTest, StoringTwiceFromEvaluateFailsBecauseTheResultIsEmpty) {
    s.Result.Caption = "2.5";
    s.FunctionIn.Text = "#[abc]";
    console.Click("Evaluate");
    EXPECT_EQ(s.Result.Caption, "");
    console.Click("Evaluate");
    auto seen = events();
    EXPECT_EQ(seen.at(seen.size() - 3), std::string(FormatMessage) + "abc");
}

TEST_F(MemoryTest, TablesGrowAfterTheHundredAndFirstNameAndResetShrinksThem) {
    for (int i = 0; i < 100; ++i) store("v" + std::to_string(i), std::to_string(i));
    EXPECT_EQ(s.MemLimit(), 100);
    events();
    store("v100", "100");
    EXPECT_EQ(events(), (std::vector<std::string>{"message [Plotmere] Memory expanding...", "status v100 stored."}));
    EXPECT_EQ(s.MemLimit(), 200);
    EXPECT_EQ(*recall("v100"), 100);
    EXPECT_EQ(*recall("v0"), 0);

    store("RESET", "4");
    EXPECT_EQ(s.MemLimit(), 100);
    EXPECT_EQ(s.MemCount, 1);
    EXPECT_EQ(*recall("RESET"), 4);
    EXPECT_FALSE(recall("v1").has_value());

    // With RESET in slot 0, the hundredth further name brings the next growth.
    for (int i = 0; i < 99; ++i) store("w" + std::to_string(i), "1");
    EXPECT_EQ(s.MemLimit(), 100);
    store("w99", "1");
    EXPECT_EQ(s.MemLimit(), 200);
}

TEST_F(MemoryTest, NoStoredMessageWhileAScriptStarts) {
    s.Result.Caption = "1";
    s.ScriptMode = true;
    eval("#[quiet]");
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(s.MemCount, 1);
}

TEST_F(MemoryTest, SetMemAndStoreFunctionButtons) {
    clearFlags();
    EXPECT_EQ(*eval("m"), 0);
    s.Result.Caption = "3.14159265358979";
    console.Click("SetMem");
    EXPECT_EQ(events(), std::vector<std::string>{"status 3.141593 stored as m."});
    EXPECT_EQ(*eval("m"), static_cast<double>(3.14159265358979f));

    s.Result.Caption = "1E+300";  // a double, but too large for m
    console.Click("SetMem");
    s.Result.Caption = "";
    console.Click("SetMem");
    EXPECT_EQ(events(), (std::vector<std::string>{"message [Plotmere] Value to be stored is not a number.",
                                                  "message [Plotmere] Value to be stored is not a number."}));
    EXPECT_FLOAT_EQ(s.Mem, 3.14159265358979f);

    s.FunctionIn.Text = "x ^2";
    console.Click("SetFunc");
    EXPECT_EQ(s.StoredFunction, "x ^2");  // kept as typed, spaces included
    s.FunctionIn.Text = "";
    console.Click("SetFunc");
    EXPECT_EQ(s.StoredFunction, "");
    EXPECT_EQ(events(), (std::vector<std::string>{"status Function stored as F.", "status Function stored as F."}));
}

}  // namespace
}  // namespace plotmere::testing
