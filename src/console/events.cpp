#include <array>

#include "console/console.h"
#include "expr/eval_failure.h"

namespace plotmere {

namespace {

struct ClickHandler {
    std::string_view control;
    void (Console::*handler)();  // null: a control with no command behind it
    bool evenWhileBusy;
};

const std::array clickHandlers{
    ClickHandler{"Evaluate", &Console::Evaluate_Click, false},
    ClickHandler{"Result", &Console::Result_Click, false},
    ClickHandler{"SetMem", &Console::SetMem_Click, false},
    ClickHandler{"SetFunc", &Console::SetFunc_Click, false},
    ClickHandler{"WhichOp", &Console::WhichOp_Click, false},
    ClickHandler{"Root", &Console::Root_Click, false},
    ClickHandler{"LocalMin", &Console::LocalMin_Click, false},
    ClickHandler{"LocalMax", &Console::LocalMax_Click, false},
    ClickHandler{"Integrate", &Console::Integrate_Click, false},
    ClickHandler{"Trace", &Console::Trace_Click, false},
    ClickHandler{"Command10", nullptr, false},
    ClickHandler{"ZOut", &Console::ZOut_Click, false},
    ClickHandler{"MLeft", &Console::MLeft_Click, false},
    ClickHandler{"Left", &Console::Left_Click, false},
    ClickHandler{"Right", &Console::Right_Click, false},
    ClickHandler{"MRight", &Console::MRight_Click, false},
    ClickHandler{"ClearScreen", &Console::ClearScreen_Click, false},
    ClickHandler{"Standard", &Console::Standard_Click, false},
    ClickHandler{"TrigWin", &Console::TrigWin_Click, false},
    ClickHandler{"Saver", &Console::Saver_Click, false},
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
            if (entry.handler) runGuarded([this, &entry] { (this->*entry.handler)(); }, entry.evenWhileBusy);
            return true;
        }
    }
    return false;
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
