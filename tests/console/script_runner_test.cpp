// Script files run through the Evaluate command: their messages, end marks,
// conditional lines, failures and refused nested starts.

#include <string>
#include <vector>

#include "support/console_fixture.h"
#include "support/temp_folder.h"

namespace plotmere::testing {
namespace {

using Events = std::vector<std::string>;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

Events boxes(const Lines& texts) {
    Events out;
    for (const auto& t : texts) out.push_back("message [Plotmere] " + t);
    return out;
}

Lines concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ScriptTest : public ConsoleTest {
protected:
    void SetUp() override { console.scripts().SetFolder(folder.path()); }

    // Starts a script as a command string from the function box would.
    void run(const std::string& command) {
        std::string fstr = command;
        console.RunString(fstr, 0);
    }

    // The message boxes since the last call, the other events left out.
    Events shownBoxes() {
        Events shown;
        for (const auto& e : events()) {
            if (e.starts_with("message")) shown.push_back(e);
        }
        return shown;
    }

    TempFolder folder;
};

TEST_F(ScriptTest, ShowsEachLineThenRunsIt) {
    folder.write("demo1", "2\nx^2\nsin(x)\n");
    run("\"demo1\"");
    EXPECT_EQ(events(), (Events{"message [Plotmere] file found", "message [Plotmere] file closed",
                                "message [Plotmere] x^2", "status Evaluating input",
                                "message [Plotmere] sin(x)", "status Evaluating input"}));
    EXPECT_EQ(s.FunctionIn.List, (Lines{"x^2", "sin(x)"}));
    EXPECT_EQ(s.FunctionIn.Text, "sin(x)");
}

TEST_F(ScriptTest, FromTheFunctionBoxTheCommandCarriesOn) {
    folder.write("demo1", "2\nx+1\nx+2\n");
    s.FunctionIn.Text = "\"demo1\"ignored text";
    s.Xequals.Text = "1";
    console.Click("Evaluate");
    EXPECT_EQ(s.Result.Caption, "3");
    EXPECT_EQ(s.FunctionIn.List, (Lines{"x+1", "x+2", "x+2"}));  // the last line read, once more
    EXPECT_EQ(s.Console.Caption, "Plotmere");
    EXPECT_EQ(s.FunctionIn.Text, "x+2");
}

TEST_F(ScriptTest, ItemsOfTheFileBecomeCommandLines) {
    folder.write("items", "4\n\"a,b\", 2.50\n  x  ,\n");
    run("\"items\"");
    EXPECT_EQ(shownBoxes(), boxes({"file found", "file closed", "a,b", "2.5", "x", ""}));
    EXPECT_EQ(s.FunctionIn.List, (Lines{"a,b", "2.5", "x", ""}));
}

TEST_F(ScriptTest, AnEndMarkStopsTheScript) {
    folder.write("stop", "3\n1\n2\n@\nx\0\n"s);  // the line after the mark is never read
    run("\"stop\"");
    EXPECT_EQ(events(), (Events{"message [Plotmere] file found", "message [Plotmere] file closed",
                                "message [Plotmere] 1", "status Evaluating input", "message [Plotmere] 2",
                                "status Evaluating input", "message [Plotmere] @"}));
    EXPECT_EQ(s.FunctionIn.List, (Lines{"1", "2"}));
}

TEST_F(ScriptTest, AnErrorThatStopsTheRunStopsTheScript) {
    folder.write("mem", "3\nx\n$[nothing]\nx+1\n");
    run("\"mem\"");
    EXPECT_EQ(s.FunctionIn.List, (Lines{"x", "$[nothing]"}));
    EXPECT_TRUE(s.ScriptError);
}

TEST_F(ScriptTest, AnEvaluationErrorDoesNotStopTheScript) {
    folder.write("err", "2\n1/0\n5\n");
    run("\"err\"");
    EXPECT_EQ(s.FunctionIn.List, (Lines{"1/0", "5"}));
    EXPECT_EQ(s.Result.Caption, "5");
}

TEST_F(ScriptTest, ARunTimeFailureEndsTheScriptWithTheFileMessage) {
    folder.write("boom", "3\nx\n!171\nx+1\n");
    s.FunctionIn.Text = "\"boom\"";
    console.Click("Evaluate");
    EXPECT_EQ(events(), (Events{"status Evaluating input", "message [Plotmere] file found",
                                "message [Plotmere] file closed", "message [Plotmere] x",
                                "status Evaluating input", "message [Plotmere] !171",
                                "status Evaluating input", "message [Plotmere] File boom not found."}));
    // The failed line's Evaluate adds nothing; the command that started the script adds the last line.
    EXPECT_EQ(s.FunctionIn.List, (Lines{"x", "!171"}));
    EXPECT_EQ(s.Console.Caption, "Plotmere");

    // Started outside an Evaluate, the caption is left as the script found it.
    s.Console.Caption = "Plotmere 7G";
    run("\"boom\"");
    EXPECT_EQ(s.Console.Caption, "Plotmere 7G");
}

TEST_F(ScriptTest, FailuresShowOneMessageAndRunNothing) {
    folder.write("zero", "0\nx\n");
    folder.write("big", "40000\nx\n");
    folder.write("few", "3\nx\ny\n");
    folder.write("word", "two\nx\ny\n");
    folder.write("bin", "2\nx\0\ny\n"s);
    folder.write("sub/inner", "1\nx\n");
    folder.write("..hidden", "1\nx\n");
    std::filesystem::create_directory(folder.path() / "dir");
    const std::string found = "message [Plotmere] file found";
    const std::pair<const char*, Events> rows[] = {
        {"\"nope\"", {"message [Plotmere] File nope not found."}},
        {"\"zero\"", {found, "message [Plotmere] File zero not found."}},
        {"\"big\"", {found, "message [Plotmere] File big not found."}},
        {"\"few\"", {found, "message [Plotmere] File few not found."}},
        {"\"word\"", {found, "message [Plotmere] File word not found."}},
        {"\"bin\"", {found, "message [Plotmere] File bin not found."}},
        {"\"dir\"", {"message [Plotmere] File dir not found."}},
        {"\"sub/inner\"", {"message [Plotmere] File sub/inner not found."}},
        {"\"..hidden\"", {"message [Plotmere] File ..hidden not found."}},
        {"\"ab", {"message [Plotmere] No closing quote after a script name of 2 or more characters: \"ab"}},
        {"\"a\"", {"message [Plotmere] No closing quote after a script name of 2 or more characters: \"a\""}},
        {"\"", {"message [Plotmere] No closing quote after a script name of 2 or more characters: \""}},
    };
    for (const auto& [command, expected] : rows) {
        SCOPED_TRACE(command);
        run(command);
        EXPECT_EQ(events(), expected);
        EXPECT_TRUE(s.FunctionIn.List.empty());
        EXPECT_TRUE(s.ScriptMode);
    }
}

TEST_F(ScriptTest, FileNamesMatchInAnyLetterCaseExactFirst) {
    folder.write("Demo", "1\n1\n");
    folder.write("DEMO", "1\n2\n");
    folder.write("Solo", "1\n3\n");
    const std::pair<const char*, const char*> rows[] = {
        {"\"Demo\"", "1"},
        {"\"DEMO\"", "2"},
        {"\"demo\"", "2"},
        {"\"SOLO\"", "3"},
    };
    for (const auto& [command, result] : rows) {
        SCOPED_TRACE(command);
        run(command);
        EXPECT_EQ(s.Result.Caption, result);
    }
}

// A file item that begins with a double quote loses it, so a line starts a
// script from inside an expression.
TEST_F(ScriptTest, AScriptDoesNotStartItselfAgain) {
    folder.write("self", "2\n0+\"SELF\"\nx+1\n");
    folder.write("aa", "2\nx\"bb\"\nx+1\n");
    folder.write("bb", "2\nx\"aa\"\nx+2\n");
    const std::pair<const char*, Lines> rows[] = {
        {"\"self\"", {"file found", "file closed", "0+\"SELF\"", "Script SELF is already running."}},
        {"\"aa\"",
         {"file found", "file closed", "x\"bb\"", "file found", "file closed", "x\"aa\"",
          "Script aa is already running."}},
    };
    for (const auto& [command, shown] : rows) {
        SCOPED_TRACE(command);
        run(command);
        EXPECT_EQ(shownBoxes(), boxes(shown));  // no line after the refused start runs
        EXPECT_TRUE(s.ScriptError);
    }
}

TEST_F(ScriptTest, AScriptInTheXBoxIsRefusedWhenItsLinesEvaluateTheBox) {
    folder.write("xs", "2\n7\nx+1\n");
    s.Xequals.Text = "\"xs\"";
    s.FunctionIn.Text = "x+5";
    console.Click("Evaluate");
    EXPECT_EQ(events(),
              (Events{"status Evaluating input", "message [Plotmere] file found",
                      "message [Plotmere] file closed", "message [Plotmere] 7", "status Evaluating input",
                      "message [Plotmere] Script xs is already running."}));
    EXPECT_EQ(s.FunctionIn.List, (Lines{"7", "7"}));
    EXPECT_EQ(s.Console.Caption, "Plotmere");
}

struct ConditionRow {
    const char* name;
    const char* xText;
    Lines shown;  // the message boxes after "file closed"
    Lines ran;
};

TEST_F(ScriptTest, AConditionDecidesWhetherTheNextLineRuns) {
    folder.write("cond", "4\n?big: x > 2\nx+100\nx+1\n@\n");
    folder.write("chain", "5\n?aa:x>2\n?bb:x>4\nx+100\nx+1\n@\n");
    folder.write("quit", "3\n?done:x>2\n@\nx+1\n");
    const ConditionRow rows[] = {
        {"cond", "3", {"?big: x > 2", " x > 2", ": x > 2", "x+100", "x+1", "@"}, {"x+100", "x+1"}},
        {"cond", "1", {"?big: x > 2", " x > 2", "x+100", "x+1", "@"}, {"x+1"}},
        {"cond", "3*0", {"?big: x > 2", " x > 2", ": x > 2", "x+100", "x+1", "@"}, {"x+100", "x+1"}},
        {"chain",
         "5",
         {"?aa:x>2", "x>2", ":x>2", "?bb:x>4", "x>4", ":x>4", "x+100", "x+1", "@"},
         {"x+100", "x+1"}},
        {"chain", "3", {"?aa:x>2", "x>2", ":x>2", "?bb:x>4", "x>4", "x+100", "x+1", "@"}, {"x+1"}},
        {"chain", "1", {"?aa:x>2", "x>2", "?bb:x>4", "x+100", "x+1", "@"}, {"x+1"}},
        {"quit", "3", {"?done:x>2", "x>2", ":x>2", "@"}, {}},
        {"quit", "1", {"?done:x>2", "x>2", "@", "x+1"}, {"x+1"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " at x = " + row.xText);
        s.FunctionIn.List.clear();
        s.Xequals.Text = row.xText;
        run("\"" + std::string(row.name) + "\"");
        EXPECT_EQ(shownBoxes(), boxes(concat({"file found", "file closed"}, row.shown)));
        EXPECT_EQ(s.FunctionIn.List, row.ran);
    }
}

TEST_F(ScriptTest, AConditionWithoutAColonEndsTheScript) {
    folder.write("nocolon", "2\n?a:x\nx+1\n");
    run("\"nocolon\"");
    EXPECT_EQ(events(),
              boxes({"file found", "file closed", "?a:x",
                     "Conditional line ?a:x needs a label of 2 or more characters, then a colon."}));
    EXPECT_TRUE(s.FunctionIn.List.empty());
}

}  // namespace
}  // namespace plotmere::testing
