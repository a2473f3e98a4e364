// The command line: help and version without a display, usage errors that
// never open the window, and the manual that Help points to.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/run_program.h"

namespace plotmere::testing {
namespace {

TEST(CommandLineTest, HelpAndVersionPrintToStandardOutputWithoutADisplay) {
    const ProgramRun help = RunProgram("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: plotmere [--help | --version]\n       plotmere --headless", 0), 0u);
    EXPECT_NE(help.out.find("Exit status:"), std::string::npos);
    EXPECT_EQ(help.err, "");
    const ProgramRun helpFirst = RunProgram("--headless --help", "click Evaluate\n");
    EXPECT_EQ(helpFirst.status, 0);
    EXPECT_EQ(helpFirst.out, help.out);

    const ProgramRun version = RunProgram("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("plotmere 7G \\(Qt 6\\.[0-9.]+\\)\n")))
        << version.out;
    EXPECT_EQ(version.err, "");
}

// Without a display, a window that tried to open would end with status 1.
TEST(CommandLineTest, WhatCannotBeReadShowsTheUsageOnStandardError) {
    const struct {
        const char* arguments;
        const char* why;
    } rows[] = {
        {"--bogus", "Unknown option 'bogus'."},
        {"--headless --bogus", "Unknown option 'bogus'."},
        {"--scripts", "Missing value after '--scripts'."},
        {"--scale 2", "--scale, --scripts and FILE go with --headless"},
        {"actions", "--scale, --scripts and FILE go with --headless"},
        {"--headless a b", "one FILE at most"},
        {"--headless --scale=17", "--scale takes a number from 1 to 16"},
        {"--headless --scale x", "--scale takes a number from 1 to 16"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments);
        const ProgramRun run = RunProgram(row.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind(std::string("plotmere: ") + row.why + "\n\nUsage: plotmere", 0), 0u)
            << run.err;
    }
    const ProgramRun missing = RunProgram("--headless /no/such/actions");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "plotmere: cannot read /no/such/actions\n");
}

TEST(CommandLineTest, HelpPointsToTheManualOfTheBuild) {
    const ProgramRun run = RunProgram("--headless --scale=16", "click HelpMe\n");
    EXPECT_EQ(run.status, 0);
    const std::filesystem::path manual =
        std::filesystem::path(PLOTMERE_BINARY).parent_path() / "doc/manual.html";
    EXPECT_EQ(run.out.rfind("message [Plotmere] For help, go to file://" + manual.string() + "\\r", 0), 0u)
        << run.out;
    EXPECT_TRUE(std::filesystem::is_regular_file(manual));
}

}  // namespace
}  // namespace plotmere::testing
