// Script files run through the Evaluate command: their messages, end marks,
// conditional lines, failures and refused nested starts.

#include <string>
#include <vector>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

class ScriptTest : public ConsoleTest {
protected:
    void SetUp() override {
        // clang-format off
        for (const auto& [name, content] : {
                 std::pair{"items", "4\n\"a,b\", 2.50\nx+1\n  x  ,\n"s}, {"stop", "3\n1\n2\n@\nx\0\n"s},
                 {"mem", "3\nx\n$[nothing]\nx+1\n"s}, {"err", "2\n1/0\n5\n"s}, {"boom", "3\nx\n!171\nx+1\n"s},
                 {"nocolon", "2\n?a:x\nx+1\n"s}, {"self", "2\n0+\"SELF\"\nx+1\n"s}, {"aa", "2\nx\"bb\"\nx+1\n"s},
                 {"bb", "2\nx\"aa\"\nx+2\n"s}, {"cond", "5\n?aa: x > 2\n?bb:x>4\nx+100\nx+1\n@\n"s},
                 {"quit", "3\n?done:x>2\n@\nx+1\n"s}, {"few", "3\nx\ny\n"s}, {"sub/inner", "1\nx\n"s},
                 {"..hidden", "1\nx\n"s}, {"dir/x", ""s}, {"Demo", "1\n1\n"s}, {"DEMO", "1\n2\n"s}, {"zap", "1\n3\n"s}})
            folder.write(name, content);
        // clang-format on
    }

    // The messages of a script started as from the function box, but those of a file found and read.
    Lines start(const std::string& command) {
        std::string fstr = command;
        console.RunString(fstr, 0);
        Lines shown;
        for (const auto& e : events())
            if (e.starts_with("message")) shown.push_back(e.substr(19));
        if (shown.size() >= 2 && shown[0] == "file found" && shown[1] == "file closed")
            shown.erase(shown.begin(), shown.begin() + 2);
        return shown;
    }
};

TEST_F(ScriptTest, ShowsEachLineThenRunsItUntilAnEndMarkOrAStoppingError) {
    const std::string quote = "No closing quote after a script name of 2 or more characters: ";
    // clang-format off
    struct Row { const char* command; Lines shown, ran; bool stopped; } rows[] = {
        {"\"items\"", {"a,b", "2.5", "x+1", "x"}, {"a,b", "2.5", "x+1", "x"}, false},
        {"\"stop\"", {"1", "2", "@"}, {"1", "2"}, false},
        {"\"mem\"", {"x", "$[nothing]", "Variable nothing not found."}, {"x", "$[nothing]"}, true},
        {"\"err\"", {"1/0", "5"}, {"1/0", "5"}, false},
        {"\"nocolon\"", {"?a:x", "Conditional line ?a:x needs a label of 2 or more characters, then a colon."}, {}, false},
        // The quote that begins a line is dropped: the line starts a script from inside an expression.
        {"\"self\"", {"0+\"SELF\"", "Script SELF is already running."}, {"0+\"SELF\""}, true},
        {"\"aa\"", {"x\"bb\"", "file found", "file closed", "x\"aa\"", "Script aa is already running."}, {"x\"aa\"", "x\"aa\""}, true},
        {"\"nope\"", {"File nope not found."}, {}, false},
        {"\"few\"", {"file found", "File few not found."}, {}, false},
        {"\"dir\"", {"File dir not found."}, {}, false},
        {"\"sub/inner\"", {"File sub/inner not found."}, {}, false},
        {"\"..hidden\"", {"File ..hidden not found."}, {}, false},
        {"\"Demo\"", {"1"}, {"1"}, false}, {"\"DEMO\"", {"2"}, {"2"}, false},  // any letter case, exact first
        {"\"demo\"", {"2"}, {"2"}, false}, {"\"ZAP\"", {"3"}, {"3"}, false},
        {"\"ab", {quote + "\"ab"}, {}, false},
        {"\"a\"", {quote + "\"a\""}, {}, false},
        {"\"", {quote + "\""}, {}, false},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        s.FunctionIn.List.clear();
        EXPECT_EQ(start(row.command), row.shown);
        EXPECT_EQ(s.FunctionIn.List, row.ran);
        EXPECT_EQ(s.ScriptError(), row.stopped);
        EXPECT_TRUE(s.ScriptMode() || !row.ran.empty());  // left set by a failure
    }
}

TEST_F(ScriptTest, FromTheFunctionBoxTheCommandCarriesOn) {
    enter("\"err\"ignored text");
    EXPECT_EQ(s.FunctionIn.List, (Lines{"1/0", "5", "5"}));  // the last line read, once more
    // A run-time failure ends the script with the file message; the failed line adds no history.
    s.FunctionIn.List.clear();
    enter("\"boom\"");
    EXPECT_EQ(events().back(), "message [Plotmere] File boom not found.");
    EXPECT_EQ(s.FunctionIn.List, (Lines{"x", "!171"}));
    EXPECT_EQ(s.Console.Caption, "Plotmere");
    s.Console.Caption = "Plotmere 7G";  // started outside an Evaluate, the caption is left as found
    start("\"boom\"");
    EXPECT_EQ(s.Console.Caption, "Plotmere 7G");

    folder.write("xs", "2\n7\nx+1\n");  // lines that evaluate an x box starting the script
    s.Xequals.Text = "\"xs\"";
    enter("x+5");
    EXPECT_EQ(events().back(), "message [Plotmere] Script xs is already running.");
    EXPECT_EQ(s.Console.Caption, "Plotmere");
}

TEST_F(ScriptTest, AConditionDecidesWhetherTheNextLineRuns) {
    // clang-format off
    struct Row { const char *name, *xText; Lines shown, ran; } rows[] = {
        {"cond", "5", {"?aa: x > 2", " x > 2", ": x > 2", "?bb:x>4", "x>4", ":x>4", "x+100", "x+1", "@"}, {"x+100", "x+1"}},
        {"cond", "3*0", {"?aa: x > 2", " x > 2", ": x > 2", "?bb:x>4", "x>4", "x+100", "x+1", "@"}, {"x+1"}},
        {"cond", "1", {"?aa: x > 2", " x > 2", "?bb:x>4", "x+100", "x+1", "@"}, {"x+1"}},
        {"quit", "3", {"?done:x>2", "x>2", ":x>2", "@"}, {}},
        {"quit", "1", {"?done:x>2", "x>2", "@", "x+1"}, {"x+1"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " at x = " + row.xText);
        s.FunctionIn.List.clear();
        s.Xequals.Text = row.xText;
        EXPECT_EQ(start("\"" + std::string(row.name) + "\""), row.shown);
        EXPECT_EQ(s.FunctionIn.List, row.ran);
        EXPECT_EQ(s.FunctionIn.Text, row.shown.back());  // the box shows the last line read
    }
}

}  // namespace
}  // namespace plotmere::testing
