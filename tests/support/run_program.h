#pragma once
// Runs the program as a user would from a shell without a display: its
// standard output, standard error and exit status.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "support/temp_folder.h"

namespace plotmere::testing {

struct ProgramRun {
    int status = -1;
    std::string out, err;
};

// arguments as a shell reads them, input on standard input, run in folder if one is named.
inline ProgramRun RunProgram(const std::string& arguments, const std::string& input = {},
                             const std::string& folder = {}) {
    TempFolder files;
    files.write("in", input);
    const std::string at = "'" + files.path().string() + "/";
    const std::string command = (folder.empty() ? "" : "cd '" + folder + "' && ") +
                                "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" PLOTMERE_BINARY
                                "' " +
                                arguments + " <" + at + "in' >" + at + "out' 2>" + at + "err'";
    const int status = std::system(command.c_str());
    const auto read = [&](const char* name) {
        std::ifstream in(files.path() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read("out"), read("err")};
}

}  // namespace plotmere::testing
