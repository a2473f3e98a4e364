// The command line: help and version without a display, usage errors that
// never open the window, and the manual that Help points to.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/run_program.h"

namespace plotmere::testing {
namespace {

// Without a display, a window that tried to open would end with status 1.
TEST(CommandLineTest, AnswersWithoutOpeningAWindow) {
    const std::string usage =
        "Usage: plotmere \\[--help \\| --version\\]\n       plotmere --headless[\\s\\S]*";
    const std::string wrong = "\n\nUsage: plotmere[\\s\\S]*";
    const struct {
        const char* arguments;
        int status;
        std::string out, err;  // patterns for the first 80 characters
    } rows[] = {
        {"--help", 0, usage, ""},
        {"--headless --help", 0, usage, ""},
        {"--version", 0, "plotmere 7G \\(Qt 6\\.[0-9.]+\\)\n", ""},
        {"--bogus", 2, "", "plotmere: Unknown option 'bogus'\\." + wrong},
        {"--headless --bogus", 2, "", "plotmere: Unknown option 'bogus'\\." + wrong},
        {"--scripts", 2, "", "plotmere: Missing value after '--scripts'\\." + wrong},
        {"--scale 2", 2, "", "plotmere: --scale, --scripts and FILE go with --headless" + wrong},
        {"actions", 2, "", "plotmere: --scale, --scripts and FILE go with --headless" + wrong},
        {"--headless a b", 2, "", "plotmere: one FILE at most" + wrong},
        {"--headless --scale=17", 2, "", "plotmere: --scale takes a number from 1 to 16" + wrong},
        {"--headless --scale x", 2, "", "plotmere: --scale takes a number from 1 to 16" + wrong},
        {"--headless /no/such/actions", 2, "", "plotmere: cannot read /no/such/actions\n"},
    };
    for (const auto& row : rows) {
        const ProgramRun run = RunProgram(row.arguments, "click Evaluate\n");
        EXPECT_EQ(run.status, row.status) << row.arguments;
        EXPECT_TRUE(std::regex_match(run.out.substr(0, 80), std::regex(row.out))) << row.arguments << run.out;
        EXPECT_TRUE(std::regex_match(run.err.substr(0, 80), std::regex(row.err))) << row.arguments << run.err;
    }
}

TEST(CommandLineTest, HelpPointsToTheManualOfTheBuild) {
    const ProgramRun run = RunProgram("--headless --scale=16", "click HelpMe\n");
    const std::filesystem::path manual =
        std::filesystem::path(PLOTMERE_BINARY).parent_path() / "doc/manual.html";
    EXPECT_EQ(run.out.rfind("message [Plotmere] For help, go to file://" + manual.string() + "\\r", 0), 0u)
        << run.out;
    EXPECT_TRUE(std::filesystem::is_regular_file(manual));
}

}  // namespace
}  // namespace plotmere::testing
