// The program as a user runs it from a shell without a display: help and
// version, usage errors that never open the window, the manual that Help
// points to, and the examples with their scripts and data files.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "state/version.h"
#include "support/temp_folder.h"

namespace plotmere::testing {
namespace {

namespace fs = std::filesystem;

struct ProgramRun {
    int status = -1;
    std::string out, err;
};

// Runs from the folder that holds examples/, so that their relative names hold.
ProgramRun RunProgram(const std::string& arguments, const std::string& input,
                      const std::string& environment = "") {
    TempFolder files;
    files.write("in", input);
    const std::string at = " '" + files.path().string() + "/";
    const std::string command = "cd '" + fs::path(EXAMPLES_DIR).parent_path().string() +
                                "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + environment +
                                " '" PLOTMERE_BINARY "' " + arguments + " <" + at + "in' >" + at + "out' 2>" +
                                at + "err'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, files.read("out"), files.read("err")};
}

// Without a display, a window that tried to open would end with status 1. A GUI
// application (none before a picture is saved) would abort on its missing plugin.
TEST(ProgramTest, AnswersEachCommandLineWithoutOpeningAWindow) {
    const std::string usage =
        "Usage: plotmere \\[--help \\| --version\\]\n       plotmere --headless[\\s\\S]*";
    const std::string wrong = "\n\nUsage: plotmere[\\s\\S]*",
                      headlessOnly = "plotmere: --scale, --scripts and FILE go with --headless";
    // Help names the manual beside the program of the build, not the installed one.
    const std::string help =
        "status Evaluating input\nResult: 8\nmessage \\[Plotmere\\] For help, go to file://" +
        fs::path(PLOTMERE_BINARY).parent_path().string() + "/doc/manual\\.html\\\\r[\\s\\S]*";
    // clang-format off
    const struct { const char* arguments; int status; std::string out, err; } rows[] = {  // out, err: regexes
        {"--help", 0, usage, ""}, {"--version", 0, "plotmere " + std::string(Version) + " \\(Qt 6\\.[0-9.]+\\)\n", ""},
        {"--headless --scale=16", 0, help, ""}, {"--headless --scale=1", 0, help, ""},
        {"--bogus", 2, "", "plotmere: Unknown option 'bogus'\\." + wrong},
        {"--scripts", 2, "", "plotmere: Missing value after '--scripts'\\." + wrong},
        {"--scale 2", 2, "", headlessOnly + wrong}, {"actions", 2, "", headlessOnly + wrong},
        {"--headless a b", 2, "", "plotmere: one FILE at most" + wrong},
        {"--headless --scale=17", 2, "", "plotmere: --scale takes a number from 1 to 16" + wrong},
        {"--headless --scale x", 2, "", "plotmere: --scale takes a number from 1 to 16" + wrong},
        {"--headless /no/such/actions", 2, "", "plotmere: cannot read /no/such/actions\n"},
    };
    // clang-format on
    for (const auto& row : rows) {
        const ProgramRun run =
            RunProgram(row.arguments, "type FunctionIn 2*3+1\nclick Evaluate\nshow Result\nclick HelpMe\n",
                       "QT_FATAL_WARNINGS=1 QT_QPA_GENERIC_PLUGINS=none FONTCONFIG_FILE=/none");
        EXPECT_EQ(run.status, row.status) << row.arguments;
        EXPECT_TRUE(std::regex_match(run.out, std::regex(row.out))) << row.arguments << run.out;
        EXPECT_TRUE(std::regex_match(run.err, std::regex(row.err))) << row.arguments << run.err;
    }
}

// Until the first command the picture holds the start-up picture, as the
// window's does, at the offscreen screen's 96 dpi; at the scale asked for.
TEST(ProgramTest, SavesTheStartupPictureUntilTheFirstCommand) {
    TempFolder folder;
    const std::string at = folder.path().string() + "/";
    const ProgramRun run = RunProgram("--headless --scale 2",
                                      "picture " + at + "start.bmp\nkey Enter\npicture " + at + "x.bmp\n");
    EXPECT_EQ(run.err, "");
    EXPECT_NE(folder.read("start.bmp"), folder.read("x.bmp"));
    EXPECT_EQ(folder.read("x.bmp").substr(18, 4), std::string("\x24\x02\0\0", 4));  // 548 pixels, twice 274
    EXPECT_EQ(folder.read("x.bmp").substr(38, 4), std::string("\xc4\x0e\0\0", 4));  // 3780 dots a metre
}

// Every file of examples/ is an action file or is named in one; none ends in an error.
TEST(ProgramTest, EachExampleRunsWithoutAnError) {
    const std::regex failure(
        "beep|status (Error|Critical).*|message .*(rror|not found|Problem|No comma|Invalid|not a number|"
        "could not|already running|needs a label|No closing quote|Not so fast).*");
    std::string allActions;
    for (const auto& entry : fs::directory_iterator(EXAMPLES_DIR)) {
        if (entry.path().extension() != ".actions") continue;
        const std::string name = "examples/" + entry.path().filename().string();
        const ProgramRun run = RunProgram("--headless --scripts examples " + name, "");
        EXPECT_TRUE(run.status == 0 && run.err.empty()) << name << run.err;
        std::istringstream out(run.out);
        for (std::string line; std::getline(out, line);)
            EXPECT_FALSE(std::regex_match(line, failure)) << line;
        allActions += name + ContentsOf(entry.path());
    }
    for (const auto& entry : fs::directory_iterator(EXAMPLES_DIR)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(allActions.find("\"" + name + "\"") != std::string::npos ||
                    allActions.find("examples/" + name) != std::string::npos)
            << name << " is not run by an example";
    }
}

}  // namespace
}  // namespace plotmere::testing
