// The program's --scripts option points the script folder elsewhere.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/temp_folder.h"

namespace plotmere::testing {
namespace {

std::string outputOf(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[256];
    while (size_t n = fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
    pclose(pipe);
    return out;
}

TEST(ScriptsOptionTest, RunsScriptsFromTheGivenFolder) {
    TempFolder folder;
    folder.write("scripts/demo1", "1\n2*3\n");
    folder.write("actions", "type FunctionIn \"demo1\"\nclick Evaluate\nshow Result\n");
    const std::string quoted = "'" + folder.path().string() + "/";
    const std::string out = outputOf(std::string("'") + PLOTMERE_BINARY + "' --headless --scripts " + quoted +
                                     "scripts' " + quoted + "actions'");
    EXPECT_EQ(out,
              "status Evaluating input\n"
              "message [Plotmere] file found\n"
              "message [Plotmere] file closed\n"
              "message [Plotmere] 2*3\n"
              "status Evaluating input\n"
              "Result: 6\n");
}

}  // namespace
}  // namespace plotmere::testing
