#pragma once
// What the desktop program and the web edition's Node program do alike with
// their command line.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "app/command_line.h"
#include "state/picture.h"

namespace plotmere {

// Prints what a line that cannot be read, --help or --version asks for and
// returns the exit status; nothing when the line asks for the window or the
// headless console. platform: what --version names beside the version.
std::optional<int> AnswerCommandLine(const std::variant<CommandLine, std::string>& read,
                                     std::string_view platform);

// Runs the headless console of the line on its FILE or standard input,
// drawing on picture; returns the exit status.
int RunHeadless(const CommandLine& line, Picture& picture, const std::string& helpAddress);

}  // namespace plotmere
