// The examples run as they are: each action file of examples/, from the folder
// that holds it, with its scripts and data files, and no error on the way.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

std::string contents(const fs::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ExamplesTest, EachRunsWithoutAnErrorMessage) {
    const fs::path examples = EXAMPLES_DIR;
    std::string allActions;
    int runs = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".actions") continue;
        SCOPED_TRACE(entry.path().filename());
        const ProgramRun run =
            RunProgram("--headless --scripts examples examples/" + entry.path().filename().string(), "",
                       examples.parent_path().string());
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        std::istringstream out(run.out);
        for (std::string line; std::getline(out, line);)
            EXPECT_FALSE(std::regex_match(line, failure)) << line;
        allActions += contents(entry.path());
        ++runs;
    }
    EXPECT_GE(runs, 5);
    // Every script and data file is used by an action file, so it ran above.
    for (const auto& entry : fs::directory_iterator(examples)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".actions") continue;
        EXPECT_TRUE(allActions.find("\"" + name + "\"") != std::string::npos ||
                    allActions.find("examples/" + name) != std::string::npos)
            << name << " is not run by an example";
    }
}

}  // namespace
}  // namespace plotmere::testing
