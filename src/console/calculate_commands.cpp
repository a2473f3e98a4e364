// The Calculate frame: Root, Local Min, Local Max, Integrate and Trace on the
// typed function, around the guess line.

#include "analysis/guess_line.h"
#include "analysis/integral.h"
#include "analysis/search.h"
#include "console/console.h"
#include "expr/number_text.h"
#include "expr/scanning.h"
#include "plot/window.h"
#include "state/running_caption.h"

namespace plotmere {

// The function as typed; spaces would read as unknown characters.
std::string Console::typedFunction() const { return ss(s_.FunctionIn.Text); }

void Console::showCalculated(const std::optional<double>& result) {
    if (result) {
        s_.Result.Caption = FormatDouble(*result);
        ctx_.SetStatus("Ready");
    } else {
        ctx_.host.Beep();
        ctx_.SetStatus("Error.");
    }
}

void Console::calculate(const char* status, const Calculation& compute) {
    DimWin(ctx_, eval_);
    if (s_.CriticalError()) return;
    const RunningCaption running(s_.Console);
    ctx_.SetStatus(status);
    showCalculated(compute(typedFunction()));
}

void Console::Root_Click() {
    RunningCaption running(s_.Console);
    ctx_.SetStatus("Getting root");
    const Viewport& view = DimWin(ctx_, eval_);
    if (s_.CriticalError()) {
        running.keep();  // Root checks the window only after it shows itself running
        return;
    }
    showCalculated(FindRoot(ctx_, eval_, view, typedFunction(), s_.guess));
}

void Console::LocalMin_Click() {
    calculate("Getting local minimum",
              [this](const std::string& f) { return LocMin(ctx_, eval_, f, s_.guess); });
}

void Console::LocalMax_Click() {
    calculate("Getting local maximum",
              [this](const std::string& f) { return LocMax(ctx_, eval_, f, s_.guess); });
}

void Console::Integrate_Click() {
    calculate("Integrating", [this](const std::string& f) { return Antiderivative(ctx_, eval_, f); });
}

void Console::Trace_Click() {
    const Viewport& view = DimWin(ctx_, eval_);
    if (s_.CriticalError()) return;
    s_.guess = view.domain / 2 + view.XMin;
    DrawGuess(ctx_, view, s_.guess);
}

}  // namespace plotmere
