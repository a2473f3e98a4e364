#pragma once
// The program's options, GNU style: --help, --version, or --headless with its
// own options; without any, the window.

#include <string>
#include <string_view>
#include <variant>

namespace plotmere {

struct CommandLine {
    enum class Mode { Window, Headless, Help, Version };
    Mode mode = Mode::Window;
    // --headless only:
    double scale = 1;
    std::string scripts;  // empty: the usual script folder
    std::string file;     // empty: standard input
};

// What the arguments (the program's name first) ask for, or why they cannot
// be read.
std::variant<CommandLine, std::string> ReadCommandLine(int argc, char** argv);

// The text of --help, which an unreadable command line shows too.
const std::string& Usage();

// The text of --version, naming the platform the program runs on.
std::string VersionText(std::string_view platform);

}  // namespace plotmere
