#include "console/console.h"
#include "console/control_registry.h"
#include "expr/eval_failure.h"

namespace plotmere {

bool Console::Click(std::string_view name) {
    const Control* control = FindControl(name);
    if (!control) return false;
    if (control->click)
        runGuarded([this, control] { (this->*control->click)(); }, control->clickEvenWhileBusy);
    // A button takes a click even with no command behind it; other controls only with one.
    return control->click || control->kind == Control::Kind::Button;
}

void Console::Tick(TimerId timer) {
    // The fade may run in the middle of a command; a redraw waits for the next
    // tick of its timer, which stays enabled until the redraw starts.
    if (timer == TimerId::TextReset) runGuarded([this] { TextReset_Timer(); }, true);
    else runGuarded([this] { GfxSpeed_Timer(); }, false);
}

void Console::runGuarded(const std::function<void()>& handler, bool evenWhileBusy) {
    if (busy_ && !evenWhileBusy) return;
    if (!busy_) eval_.NewCommand();
    struct BusyScope {
        bool& flag;
        bool before;
        explicit BusyScope(bool& f) : flag(f), before(f) { flag = true; }
        ~BusyScope() { flag = before; }
    } busy(busy_);
    try {
        handler();
    } catch (const EvalFailure& failure) {
        ctx_.MsgBox(RunTimeErrorText(failure));
        s_.Console.Caption = AppTitle;
    }
}

}  // namespace plotmere
