#include "app/program.h"

#include <fstream>
#include <iostream>

#include "app/headless/headless_console.h"

namespace plotmere {

std::optional<int> AnswerCommandLine(const std::variant<CommandLine, std::string>& read,
                                     std::string_view platform) {
    if (const std::string* why = std::get_if<std::string>(&read)) {
        std::cerr << "plotmere: " << *why << "\n\n" << Usage();
        return 2;
    }
    switch (std::get<CommandLine>(read).mode) {
        case CommandLine::Mode::Help: std::cout << Usage(); return 0;
        case CommandLine::Mode::Version: std::cout << VersionText(platform); return 0;
        default: return std::nullopt;
    }
}

int RunHeadless(const CommandLine& line, Picture& picture, const std::string& helpAddress) {
    HeadlessConsole console(std::cout, std::cerr, picture, line.scale);
    console.console().SetHelpAddress(helpAddress);
    if (!line.scripts.empty()) console.console().scripts().SetFolder(line.scripts);
    if (line.file.empty()) return console.Run(std::cin);
    std::ifstream file(line.file);
    if (!file) {
        std::cerr << "plotmere: cannot read " << line.file << '\n';
        return 2;
    }
    return console.Run(file);
}

}  // namespace plotmere
