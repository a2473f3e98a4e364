#include "console/console.h"

#include "expr/number_text.h"
#include "expr/scanning.h"
#include "plot/cartesian.h"
#include "plot/curves.h"
#include "plot/data_file.h"
#include "plot/window.h"
#include "state/picture_formats.h"
#include "state/running_caption.h"
#include "state/version.h"

namespace plotmere {

Console::Console(Host& host, Picture& picture) : ctx_{s_, host, picture}, eval_(ctx_) {
    s_.Dialog1.Filter = SaveFilter();
    eval_.RunNestedScriptsThrough(*this);
}

void Console::Evaluate_Click() {
    ctx_.picture.ClearBackgroundPicture();
    s_.StartupPictureShown = false;
    s_.startCommand();
    const RunningCaption running(s_.Console);
    ctx_.SetStatus("Evaluating input");
    s_.LastResult = num(eval_.eval(ss(s_.Xequals.Text), 0.0));
    s_.Functions[0] = {s_.FunctionIn.Text, 1};
    Activate();
    addToHistory(s_.FunctionIn.Text);
}

// A script named in an expression runs whole commands in the middle of the
// evaluation; it goes on with the run flags and the viewing window as they left them.
void Console::RunNestedScript(const std::string& fstr) { scripts_.RunScript(fstr); }

void Console::EvaluateNested() { Evaluate_Click(); }

// The oldest entry goes when the history is full.
void Console::addToHistory(const std::string& command) {
    std::vector<std::string>& history = s_.FunctionIn.List;
    if (history.size() >= HistoryLimit) history.erase(history.begin());
    history.push_back(command);
}

void Console::Activate() {
    ctx_.picture.Cls();
    s_.Graphed = {};
    if (s_.WhichOp.Value == 0) {
        RunString(s_.Functions[0].text, s_.LastResult);
        return;
    }
    DimWin(ctx_, eval_);
    int color = 0;  // each slot in the colour of its number
    for (FunctionSlot& slot : s_.Functions) {
        s_.GraphingColor = color++;
        if (s_.ScriptError()) return;
        if (slot.on == 1) RunString(slot.text, s_.LastResult);
    }
}

void Console::RunString(std::string& fstr, double X) {
    fstr = ss(fstr);
    if (fstr.starts_with('"')) {
        scripts_.RunScript(fstr);
        return;
    }
    if (fstr.starts_with('@')) {
        PlotFileCommand(ctx_, eval_, fstr);
        return;
    }
    if (s_.WhichOp.Value == 0) {
        const Value r = eval_.eval(fstr, X);
        if (!s_.EvalError()) {
            s_.Result.Caption = FormatValue(r);
        } else {
            ctx_.host.Beep();
            ctx_.SetStatus("Error.");
        }
        return;
    }
    const int kind = s_.GraphMode.Selected;  // the user may choose another while it draws
    switch (kind) {
        case 0: Graph(ctx_, eval_, s_.view, fstr); break;
        case 1: PolarGraph(ctx_, eval_, s_.view, fstr); break;
        case 2: ParamGraph(ctx_, eval_, s_.view, fstr); break;
        default: return;  // no graph kind selected: nothing is drawn
    }
    s_.Graphed = {s_.Graphed.count + 1, kind};
}

void Console::TextReset_Timer() {
    s_.Status.ForeColor = 0;
    ctx_.SetTimerEnabled(s_.TextReset, false);
    ctx_.host.DoEvents();
}

void Console::Result_Click() { ctx_.host.SetClipboardText(s_.Result.Caption); }

void Console::SetMem_Click() {
    auto value = CaptionAsSingle(s_.Result.Caption);
    if (!value) {
        ctx_.MsgBox("Value to be stored is not a number.");
        return;
    }
    s_.Mem = *value;
    ctx_.SetStatus(FormatSingle(s_.Mem) + " stored as m.");
}

void Console::SetFunc_Click() {
    s_.StoredFunction = s_.FunctionIn.Text;
    ctx_.SetStatus("Function stored as F.");
}

void Console::GetSet_Click() { s_.Settings.Settings.Visible = true; }

void Console::SetDone_Click() {
    s_.Settings.Settings.Visible = false;
    s_.Console.Visible = true;
}

void Console::HelpMe_Click() {
    ctx_.MsgBox("For help, go to " + helpAddress_ + "\r& click on the tutorial link.\r\rVersion " + Version +
                "  :  " + ContactAddress);
}

void Console::ClearHistory_Click() {
    s_.FunctionIn.List.clear();
    s_.FunctionIn.Text.clear();  // clearing this kind of box empties its edit text too
}

void Console::GetOut_Click() {
    s_.Console.Visible = false;
    ctx_.host.EndProgram();
}

void Console::WhichOp_Click() { s_.Evaluate.Caption = s_.WhichOp.Value == 1 ? "Graph" : "Evaluate"; }

}  // namespace plotmere
