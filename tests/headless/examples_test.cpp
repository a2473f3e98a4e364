// The examples run as they are: each action file of examples/, from the folder
// that holds it, with its scripts (through --scripts) and data files, and no
// error on the way; every other file there is used by one of them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/run_program.h"

namespace plotmere::testing {
namespace {

namespace fs = std::filesystem;

// What the program says when something goes wrong.
const std::regex failure(
    "beep|status (Error|Critical).*|message .*(rror|not found|Problem|No comma|Invalid|not a number|could "
    "not|"
    "already running|needs a label|No closing quote|Not so fast).*");

TEST(ExamplesTest, EachRunsWithoutAnErrorMessage) {
    std::string allActions;
    for (const auto& entry : fs::directory_iterator(EXAMPLES_DIR)) {
        if (entry.path().extension() != ".actions") continue;
        const std::string name = entry.path().filename().string();
        const ProgramRun run = RunProgram("--headless --scripts examples examples/" + name, "",
                                          fs::path(EXAMPLES_DIR).parent_path().string());
        EXPECT_TRUE(run.status == 0 && run.err.empty()) << name << run.err;
        std::istringstream out(run.out);
        for (std::string line; std::getline(out, line);)
            EXPECT_FALSE(std::regex_match(line, failure)) << line;
        std::ifstream actions(entry.path());
        allActions += "examples/" + name + std::string(std::istreambuf_iterator<char>(actions), {});
    }
    ASSERT_NE(allActions, "");
    for (const auto& entry : fs::directory_iterator(EXAMPLES_DIR)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(allActions.find("\"" + name + "\"") != std::string::npos ||
                    allActions.find("examples/" + name) != std::string::npos)
            << name << " is not run by an example";
    }
}

}  // namespace
}  // namespace plotmere::testing
