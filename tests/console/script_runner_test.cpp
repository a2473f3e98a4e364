// Script files run through the Evaluate command: their messages, end marks,
// conditional lines, failures and refused nested starts.

#include <string>
#include <vector>

#include "support/console_fixture.h"
#include "support/temp_folder.h"

namespace plotmere::testing {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

class ScriptTest : public ConsoleTest {
protected:
    void SetUp() override {
        console.scripts().SetFolder(folder.path());
        folder.write("items", "4\n\"a,b\", 2.50\nx+1\n  x  ,\n");
        folder.write("stop", "3\n1\n2\n@\nx\0\n"s);  // the line after the mark is never read
        folder.write("mem", "3\nx\n$[nothing]\nx+1\n");
        folder.write("err", "2\n1/0\n5\n");
        folder.write("boom", "3\nx\n!171\nx+1\n");
        folder.write("nocolon", "2\n?a:x\nx+1\n");
        folder.write("self", "2\n0+\"SELF\"\nx+1\n");
        folder.write("aa", "2\nx\"bb\"\nx+1\n");
        folder.write("bb", "2\nx\"aa\"\nx+2\n");
        folder.write("cond", "5\n?aa: x > 2\n?bb:x>4\nx+100\nx+1\n@\n");
        folder.write("quit", "3\n?done:x>2\n@\nx+1\n");
    }

    // Starts a script as a command string from the function box would; the
    // message boxes it showed, without the ones of a file found and read.
    Lines run(const std::string& command) {
        std::string fstr = command;
        console.RunString(fstr, 0);
        Lines shown;
        for (const auto& e : events()) {
            if (e.starts_with("message")) shown.push_back(e.substr(19));
        }
        if (shown.size() >= 2 && shown[0] == "file found" && shown[1] == "file closed")
            shown.erase(shown.begin(), shown.begin() + 2);
        return shown;
    }

    TempFolder folder;
};

TEST_F(ScriptTest, ShowsEachLineThenRunsItUntilAnEndMarkOrAStoppingError) {
    // clang-format off
    struct Row {
        const char* command;
        Lines shown, ran;
        bool stopped;
    } rows[] = {
        {"\"items\"", {"a,b", "2.5", "x+1", "x"}, {"a,b", "2.5", "x+1", "x"}, false},
        {"\"stop\"", {"1", "2", "@"}, {"1", "2"}, false},
        {"\"mem\"", {"x", "$[nothing]", "Variable nothing not found."}, {"x", "$[nothing]"}, true},
        {"\"err\"", {"1/0", "5"}, {"1/0", "5"}, false},
        {"\"nocolon\"", {"?a:x", "Conditional line ?a:x needs a label of 2 or more characters, then a colon."}, {}, false},
        // A file item that begins with a double quote loses it, so a line
        // starts a script from inside an expression; no line after the refused start runs.
        {"\"self\"", {"0+\"SELF\"", "Script SELF is already running."}, {"0+\"SELF\""}, true},
        {"\"aa\"", {"x\"bb\"", "file found", "file closed", "x\"aa\"", "Script aa is already running."}, {"x\"aa\"", "x\"aa\""}, true},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        s.FunctionIn.List.clear();
        EXPECT_EQ(run(row.command), row.shown);
        EXPECT_EQ(s.FunctionIn.List, row.ran);
        EXPECT_EQ(s.ScriptError, row.stopped);
    }
}

TEST_F(ScriptTest, FromTheFunctionBoxTheCommandCarriesOn) {
    s.FunctionIn.Text = "\"err\"ignored text";
    console.Click("Evaluate");
    EXPECT_EQ(s.FunctionIn.List, (Lines{"1/0", "5", "5"}));  // the last line read, once more
    EXPECT_EQ(s.Console.Caption, "Plotmere");

    // A run-time failure ends the script with the file message; the failed
    // line's Evaluate adds nothing to the history.
    s.FunctionIn.List.clear();
    s.FunctionIn.Text = "\"boom\"";
    console.Click("Evaluate");
    EXPECT_EQ(events().back(), "message [Plotmere] File boom not found.");
    EXPECT_EQ(s.FunctionIn.List, (Lines{"x", "!171"}));
    EXPECT_EQ(s.Console.Caption, "Plotmere");
    s.Console.Caption = "Plotmere 7G";  // started outside an Evaluate, the caption is left as found
    run("\"boom\"");
    EXPECT_EQ(s.Console.Caption, "Plotmere 7G");

    folder.write("xs", "2\n7\nx+1\n");  // lines that evaluate an x box starting the script
    s.Xequals.Text = "\"xs\"";
    s.FunctionIn.Text = "x+5";
    console.Click("Evaluate");
    EXPECT_EQ(events().back(), "message [Plotmere] Script xs is already running.");
    EXPECT_EQ(s.Console.Caption, "Plotmere");
}

TEST_F(ScriptTest, FailuresShowOneMessageAndRunNothing) {
    folder.write("few", "3\nx\ny\n");
    folder.write("sub/inner", "1\nx\n");
    folder.write("..hidden", "1\nx\n");
    std::filesystem::create_directory(folder.path() / "dir");
    const std::string quote = "No closing quote after a script name of 2 or more characters: ";
    const std::pair<const char*, Lines> rows[] = {
        {"\"nope\"", {"File nope not found."}},
        {"\"few\"", {"file found", "File few not found."}},
        {"\"dir\"", {"File dir not found."}},
        {"\"sub/inner\"", {"File sub/inner not found."}},
        {"\"..hidden\"", {"File ..hidden not found."}},
        {"\"ab", {quote + "\"ab"}},
        {"\"a\"", {quote + "\"a\""}},
        {"\"", {quote + "\""}},
    };
    for (const auto& [command, expected] : rows) {
        SCOPED_TRACE(command);
        EXPECT_EQ(run(command), expected);
        EXPECT_TRUE(s.FunctionIn.List.empty());
        EXPECT_TRUE(s.ScriptMode);
    }
}

TEST_F(ScriptTest, FileNamesMatchInAnyLetterCaseExactFirst) {
    folder.write("Demo", "1\n1\n");
    folder.write("DEMO", "1\n2\n");
    folder.write("zap", "1\n3\n");
    for (auto [command, result] :
         {std::pair{"\"Demo\"", "1"}, {"\"DEMO\"", "2"}, {"\"demo\"", "2"}, {"\"ZAP\"", "3"}}) {
        SCOPED_TRACE(command);
        run(command);
        EXPECT_EQ(s.Result.Caption, result);
    }
}

TEST_F(ScriptTest, AConditionDecidesWhetherTheNextLineRuns) {
    // clang-format off
    struct Row {
        const char *name, *xText;
        Lines shown, ran;
    } rows[] = {
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
        EXPECT_EQ(run("\"" + std::string(row.name) + "\""), row.shown);
        EXPECT_EQ(s.FunctionIn.List, row.ran);
    }
}

}  // namespace
}  // namespace plotmere::testing
