// The evaluator on one expression, with the state it reads set from the input;
// a pure one is also run for several x at once, which must agree.
//
// The input, line by line (missing lines keep the start-up state):
//   1 the expression    2 x                       3 the Result caption (r)
//   4 m                 5 the stored function F   6 the angle mode, 1 for Degrees
//   7 to 9 "name caption": stored as a variable with #[name] while Result shows caption

#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "console/console.h"
#include "expr/bit_cast.h"
#include "expr/eval_failure.h"
#include "lines.h"
#include "quiet_platform.h"
#include "scratch.h"

namespace {

using plotmere::Console;

constexpr size_t StateLines = 6, MaxVariables = 3;

void evalQuietly(Console& console, const std::string& text, double x) {
    try {
        console.evaluator().eval(text, x);
    } catch (const plotmere::EvalFailure&) {
        // the ordinary run-time failure
    }
}

// A pure text run for many x at once must give what eval gives one by one,
// value for value and without a flag; anything else is a finding.
void checkEvalAll(Console& console, const std::string& text, double x) {
    plotmere::Evaluator& ev = console.evaluator();
    plotmere::ConsoleState& s = console.state();
    s.startCommand();
    const auto program = ev.compile(text);
    const double xs[] = {x, -x, x + 0.5};
    double values[std::size(xs)];
    if (!ev.evalAll(*program, xs, values)) return;
    for (size_t i = 0; i < std::size(xs); ++i) {
        const plotmere::Value v = ev.eval(*program, xs[i]);
        if (!v || s.EvalError() ||
            plotmere::BitCast<std::uint64_t>(*v) != plotmere::BitCast<std::uint64_t>(values[i]))
            std::abort();
    }
}

void storeVariable(Console& console, std::string_view line) {
    const size_t space = std::min(line.find(' '), line.size());
    console.state().Result.Caption = std::string(line.substr(std::min(space + 1, line.size())));
    evalQuietly(console, "#[" + std::string(line.substr(0, space)) + "]", 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines = plotmere::fuzz::SplitLines(plotmere::fuzz::AsText(data, size));
    if (lines.size() > StateLines + MaxVariables) return -1;  // not a framing this target reads
    plotmere::fuzz::QuietHost host;
    plotmere::NullPicture picture;
    Console console(host, picture);
    console.scripts().SetFolder(plotmere::fuzz::ScratchFolder());
    for (size_t i = StateLines; i < lines.size(); ++i) storeVariable(console, lines[i]);

    lines.resize(StateLines);
    plotmere::ConsoleState& s = console.state();
    s.startCommand();
    s.Result.Caption = lines[2];
    s.Mem = std::strtof(lines[3].c_str(), nullptr);
    s.StoredFunction = lines[4];
    s.Option1.Selected = lines[5] == "1" ? 1 : 0;
    const double x = std::strtod(lines[1].c_str(), nullptr);
    evalQuietly(console, lines[0], x);
    checkEvalAll(console, lines[0], x);
    return 0;
}
