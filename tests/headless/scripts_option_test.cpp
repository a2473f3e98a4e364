// The program's --scripts option points the script folder elsewhere.

#include <gtest/gtest.h>

#include "support/run_program.h"

namespace plotmere::testing {
namespace {

TEST(ScriptsOptionTest, RunsScriptsFromTheGivenFolder) {
    TempFolder folder;
    folder.write("scripts/demo1", "1\n2*3\n");
    folder.write("actions", "type FunctionIn \"demo1\"\nclick Evaluate\nshow Result\n");
    const std::string quoted = "'" + folder.path().string() + "/";
    const ProgramRun run = RunProgram("--headless --scripts " + quoted + "scripts' " + quoted + "actions'");
    EXPECT_EQ(run.out,
              "status Evaluating input\n"
              "message [Plotmere] file found\n"
              "message [Plotmere] file closed\n"
              "message [Plotmere] 2*3\n"
              "status Evaluating input\n"
              "Result: 6\n");
}

}  // namespace
}  // namespace plotmere::testing
