#include <array>

#include "console/console.h"
#include "expr/eval_failure.h"

namespace plotmere {

namespace {

struct ClickHandler {
    std::string_view control;
    void (Console::*handler)();
    bool evenWhileBusy;
};

const std::array clickHandlers{
    ClickHandler{"Evaluate", &Console::Evaluate_Click, false},
    ClickHandler{"Result", &Console::Result_Click, false},
    ClickHandler{"SetMem", &Console::SetMem_Click, false},
    ClickHandler{"SetFunc", &Console::SetFunc_Click, false},
    ClickHandler{"WhichOp", &Console::WhichOp_Click, false},
    ClickHandler{"GetSet", &Console::GetSet_Click, false},
    ClickHandler{"SetDone", &Console::SetDone_Click, false},
    ClickHandler{"HelpMe", &Console::HelpMe_Click, false},
    ClickHandler{"ClearHistory", &Console::ClearHistory_Click, false},
    ClickHandler{"GetOut", &Console::GetOut_Click, true},
    ClickHandler{"GotoFunkList", &Console::GotoFunkList_Click, false},
    ClickHandler{"Command2", &Console::Command2_Click, false},
    ClickHandler{"Command1", &Console::Command1_Click, false},
};

}  // namespace

bool Console::Click(std::string_view control) {
    for (const auto& entry : clickHandlers) {
        if (entry.control == control) {
            runGuarded(entry.handler, entry.evenWhileBusy);
            return true;
        }
    }
    return false;
}

void Console::Tick(TimerId timer) {
    if (timer == TimerId::TextReset) runGuarded(&Console::TextReset_Timer, true);
}

void Console::runGuarded(Handler handler, bool evenWhileBusy) {
    if (busy_ && !evenWhileBusy) return;
    struct BusyScope {
        bool& flag;
        bool before;
        explicit BusyScope(bool& f) : flag(f), before(f) { flag = true; }
        ~BusyScope() { flag = before; }
    } busy(busy_);
    try {
        (this->*handler)();
    } catch (const EvalFailure& failure) {
        ctx_.MsgBox(RunTimeErrorText(failure));
        s_.Console.Caption = "Plotmere";
    }
}

}  // namespace plotmere
