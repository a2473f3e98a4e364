#pragma once
// Script files: a command string that begins with a double quote names a file
// of command lines, each run as if typed into the function box and evaluated.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plotmere {

class Evaluator;
class NestedCommands;
struct Context;

// The position (from 1) of the first double quote, or colon, of fstr at or
// after currentChar; nothing when there is none.
std::optional<size_t> FindLastQuote(std::string_view fstr, size_t currentChar);
std::optional<size_t> FindColon(std::string_view fstr, size_t currentChar);

// Where the fixed script folder lies on this platform: plotmere/ in the home
// folder, or in the current one when HOME is unset.
std::filesystem::path DefaultScriptFolder();

// The file of the folder that the name denotes: the exact name, else the one
// name that matches it in any letter case (the first in order when several
// do). Nothing when there is none or the name would reach outside the folder.
std::optional<std::filesystem::path> FindScriptFile(const std::filesystem::path& folder,
                                                    std::string_view name);

// Runs script files for the console, which gives it what a line needs: the
// context, the evaluator for conditions, and itself, to run each line as the
// Evaluate command does (NestedCommands::EvaluateNested).
class Scripts {
public:
    Scripts(Context& ctx, Evaluator& eval, NestedCommands& console)
        : ctx_(ctx), eval_(eval), console_(console), folder_(DefaultScriptFolder()) {}

    const std::filesystem::path& Folder() const { return folder_; }
    void SetFolder(std::filesystem::path folder) { folder_ = std::move(folder); }

    // Runs the script named in fstr (without spaces, beginning with a double
    // quote). A run-time failure of a line ends the script; it is reported here.
    // Starting one nested too deeply is the run-time failure of the caller.
    void RunScript(std::string fstr);

private:
    void runLines(const std::vector<std::string>& lines);
    std::optional<bool> conditionHolds(const std::string& line);
    void message(const std::string& text);

    Context& ctx_;
    Evaluator& eval_;
    NestedCommands& console_;
    std::filesystem::path folder_;
    std::vector<std::filesystem::path> running_;  // the scripts being run, outermost first
};

}  // namespace plotmere
