#include "app/command_line.h"

#include <optional>
#include <sstream>
#include <vector>

#include "app/headless/headless_console.h"
#include "expr/number_text.h"
#include "state/version.h"

namespace plotmere {

namespace {

// The help's lines are at most this long.
constexpr size_t HelpWidth = 75;

// An option and its description, the words filled into lines that line up
// after the option.
std::string optionHelp(std::string_view option, std::string_view description) {
    std::string text, line(option);
    std::istringstream words{std::string(description)};
    for (std::string word; words >> word;) {
        const bool started = line.size() > option.size();
        if (started && line.size() + 1 + word.size() > HelpWidth) {
            text += line + '\n';
            line.assign(option.size(), ' ');
        }
        line += (line.size() > option.size() ? " " : "") + word;
    }
    return text + line + '\n';
}

// The --headless option, naming every action.
std::string headlessHelp() {
    std::string actions;
    for (std::string_view name : HeadlessConsole::ActionNames())
        actions += (actions.empty() ? "" : ", ") + std::string(name);
    return optionHelp("  --headless     ", "run without a window: read actions (" + actions +
                                               ") from FILE or standard input, one a line, and print the "
                                               "events a person at the window would see, one a line");
}

}  // namespace

const std::string& Usage() {
    static const std::string usage =
        "Usage: plotmere [--help | --version]\n"
        "       plotmere --headless [--scale N] [--scripts DIR] [FILE]\n"
        "\n"
        "Without options, plotmere opens its window: a graphing calculator.\n"
        "\n" +
        headlessHelp() +
        "  --scale N      draw the picture at N device pixels per pixel (1 to 16)\n"
        "  --scripts DIR  read script files from DIR instead of ~/plotmere\n"
        "  --help         print this help and exit\n"
        "  --version      print the version and exit\n"
        "\n"
        "Exit status:\n"
        "  0  all went well\n"
        "  1  the window could not open (no display)\n"
        "  2  the command line, FILE or one of its lines could not be read\n";
    return usage;
}

std::string VersionText(std::string_view platform) {
    return "plotmere " + std::string(Version) + " (" + std::string(platform) + ")\n";
}

namespace {

// The arguments as options and files, read the GNU way: --name, --name=value
// or --name value; "--" makes every later argument a file, "-" is one. A
// single dash before letters would be short options, of which there are none.
class Arguments {
public:
    Arguments(int argc, char** argv) {
        bool filesOnly = false;
        for (int i = 1; i < argc; ++i) {
            const std::string_view argument = argv[i];
            if (filesOnly || argument.size() < 2 || argument[0] != '-') files.emplace_back(argument);
            else if (argument == "--") filesOnly = true;
            else if (argument[1] != '-') unknownShort(argument.substr(1));
            else if (readOption(argument, i + 1 < argc ? argv[i + 1] : nullptr)) ++i;
        }
    }

    std::optional<std::string> scale, scripts;
    bool help = false, version = false, headless = false;
    std::vector<std::string> files;
    std::string error;  // the first misuse of a known option
    std::vector<std::string_view> unknown;

private:
    void unknownShort(std::string_view letters) {
        for (size_t i = 0; i < letters.size(); ++i) unknown.push_back(letters.substr(i, 1));
    }

    // True when the option took the next argument as its value.
    bool readOption(std::string_view argument, const char* next) {
        const size_t assign = argument.find('=');
        const bool assigned = assign != std::string_view::npos;
        const std::string_view name = argument.substr(2, assigned ? assign - 2 : assign);
        std::optional<std::string>* value = name == "scale" ? &scale : name == "scripts" ? &scripts : nullptr;
        bool* flag = name == "help"       ? &help
                     : name == "version"  ? &version
                     : name == "headless" ? &headless
                                          : nullptr;
        if (value && !assigned && next) {
            *value = next;
            return true;
        }
        if (value && assigned) *value = std::string(argument.substr(assign + 1));
        else if (value) misuse("Missing value after '" + std::string(argument) + "'.");
        else if (!flag) unknown.push_back(name);
        else if (assigned)
            misuse("Unexpected value after '" + std::string(argument.substr(0, assign)) + "'.");
        else *flag = true;
        return false;
    }

    void misuse(std::string why) {
        if (error.empty()) error = std::move(why);
    }
};

std::optional<std::string> whatIsWrong(const Arguments& arguments) {
    if (!arguments.error.empty()) return arguments.error;
    if (arguments.unknown.size() == 1) return "Unknown option '" + std::string(arguments.unknown[0]) + "'.";
    if (arguments.unknown.empty()) return std::nullopt;
    std::string names;
    for (const std::string_view name : arguments.unknown)
        names += (names.empty() ? "" : ", ") + std::string(name);
    return "Unknown options: " + names + ".";
}

}  // namespace

std::variant<CommandLine, std::string> ReadCommandLine(int argc, char** argv) {
    const Arguments arguments(argc, argv);
    if (const auto why = whatIsWrong(arguments)) return *why;

    CommandLine line;
    if (arguments.help) line.mode = CommandLine::Mode::Help;
    else if (arguments.version) line.mode = CommandLine::Mode::Version;
    if (line.mode != CommandLine::Mode::Window) return line;

    if (!arguments.headless) {
        if (arguments.scale || arguments.scripts || !arguments.files.empty())
            return std::string("--scale, --scripts and FILE go with --headless");
        return line;
    }
    line.mode = CommandLine::Mode::Headless;
    if (arguments.files.size() > 1) return std::string("one FILE at most");
    if (!arguments.files.empty()) line.file = arguments.files.front();
    line.scripts = arguments.scripts.value_or("");
    if (arguments.scale) {
        const auto scale = ParseNumber(*arguments.scale);
        if (!scale || !(*scale >= 1 && *scale <= 16))
            return std::string("--scale takes a number from 1 to 16");
        line.scale = *scale;
    }
    return line;
}

}  // namespace plotmere
