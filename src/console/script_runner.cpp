#include "console/script_runner.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "console/script_lines.h"
#include "expr/eval_failure.h"
#include "expr/evaluator.h"
#include "expr/nested_commands.h"
#include "expr/scanning.h"
#include "state/context.h"

namespace plotmere {

namespace fs = std::filesystem;

namespace {

std::optional<size_t> findFrom(std::string_view fstr, size_t currentChar, char wanted) {
    const size_t at = fstr.find(wanted, currentChar - 1);
    if (at == std::string_view::npos) return std::nullopt;
    return at + 1;
}

// The text from its third character on (the searches of RunScript look there).
std::string_view fromThird(std::string_view text) { return text.substr(std::min<size_t>(2, text.size())); }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::optional<size_t> FindLastQuote(std::string_view fstr, size_t currentChar) {
    return findFrom(fstr, currentChar, '"');
}

std::optional<size_t> FindColon(std::string_view fstr, size_t currentChar) {
    return findFrom(fstr, currentChar, ':');
}

fs::path DefaultScriptFolder() {
    const char* home = std::getenv("HOME");
    return (home && *home ? fs::path(home) : fs::path()) / "plotmere";
}

std::optional<fs::path> FindScriptFile(const fs::path& folder, std::string_view name) {
    if (name.empty() || name.find('/') != name.npos || name.find("..") != name.npos ||
        name.find('\0') != name.npos) {
        return std::nullopt;
    }
    std::error_code ec;
    const fs::path exact = folder / name;
    if (fs::is_regular_file(exact, ec)) return exact;
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& candidate = it->path();
        if (sameIgnoringCase(candidate.filename().string(), name) && it->is_regular_file(ec) &&
            (!found || candidate < *found)) {
            found = candidate;
        }
    }
    return found;
}

void Scripts::RunScript(std::string fstr) {
    const Evaluator::Nesting level(eval_, ScriptCosts::Levels);
    ConsoleState& s = ctx_.s;
    s.startScript();
    const auto q = FindLastQuote(fromThird(fstr), 2);
    if (!q) return message("No closing quote after a script name of 2 or more characters: " + fstr);
    const std::string name = fstr.substr(1, *q);
    const std::string notFound = "File " + name + " not found.";
    const auto file = FindScriptFile(folder_, name);
    if (!file) return message(notFound);
    if (std::find(running_.begin(), running_.end(), *file) != running_.end()) {
        s.stopRun();  // ends the script or slot run that asked for it
        return message("Script " + name + " is already running.");
    }
    std::optional<std::vector<std::string>> lines;
    {
        std::ifstream in(*file, std::ios::binary);
        if (!in) return message(notFound);
        message("file found");
        lines = ReadScriptLines(in);
    }  // closed here, whether reading failed or not
    if (!lines) return message(notFound);
    message("file closed");

    running_.push_back(*file);
    const std::string caption = s.Console.Caption;
    try {
        runLines(*lines);
    } catch (const EvalFailure&) {
        s.Console.Caption = caption;  // the failed line's Evaluate did not finish
        message(notFound);
    }
    running_.pop_back();
}

// A conditional line decides whether the line after it runs; a skipped
// conditional line takes its own next line with it, so tests in a row must
// all hold.
void Scripts::runLines(const std::vector<std::string>& lines) {
    ConsoleState& s = ctx_.s;
    bool skipping = false;
    for (size_t i = 0; i < lines.size() && !s.ScriptError(); ++i) {
        const std::string& line = lines[i];
        s.FunctionIn.Text = line;
        message(line);
        if (skipping) {
            skipping = line.starts_with('?');
            continue;
        }
        if (line.starts_with('?')) {
            const auto holds = conditionHolds(line);
            if (!holds) {
                return message("Conditional line " + line +
                               " needs a label of 2 or more characters, then a colon.");
            }
            skipping = !*holds;
            continue;
        }
        if (line.starts_with('@')) return;
        s.FunctionIn.Text = line;  // the message box let waiting events run
        console_.EvaluateNested();
    }
}

// Shows and evaluates the test after the colon, with x read from the raw x = text;
// when it holds, shows the line from the colon on. Nothing without a colon.
std::optional<bool> Scripts::conditionHolds(const std::string& line) {
    const auto c = FindColon(fromThird(line), 2);
    if (!c) return std::nullopt;
    const size_t colon = *c + 1;
    const std::string test = line.substr(colon + 1);
    message(test);
    const Value value = eval_.eval(ss(test), std::string_view(ctx_.s.Xequals.Text));
    if (num(value) == 0) return false;
    message(line.substr(colon));
    return true;
}

void Scripts::message(const std::string& text) { ctx_.MsgBox(text); }

}  // namespace plotmere
