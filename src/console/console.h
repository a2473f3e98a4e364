#pragma once
// The calculator's commands, one handler per event of a control of its three
// windows. Owns the state, the evaluator, the script runner and the context
// they share; the handlers live in files by the frame or window they serve.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "console/script_runner.h"
#include "expr/evaluator.h"
#include "expr/nested_commands.h"
#include "state/context.h"

namespace plotmere {

class Console : private NestedCommands {
public:
    Console(Host& host, Picture& picture);
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    ConsoleState& state() { return s_; }
    Context& context() { return ctx_; }
    Evaluator& evaluator() { return eval_; }
    Scripts& scripts() { return scripts_; }
    // Where Help sends the user; the installed manual unless a front end knows better.
    void SetHelpAddress(std::string address) { helpAddress_ = std::move(address); }

    // Front ends deliver user events here, by control name. A run-time failure
    // that reaches a handler is reported and ends it; while one command runs
    // (and lets pending events through) another does not start.
    // Returns false for a name that takes no click (console/control_registry.h).
    bool Click(std::string_view name);
    void Tick(TimerId timer);
    // A mouse press on the picture, in picture units; none while busy.
    void MouseDown(float u, float v);
    // The readout beside the pointer at (u, v) on a picture of scale device
    // pixels to a pixel (analysis/pointer_readout.h); none while busy.
    std::optional<std::string> PointerReadout(float u, float v, double scale) const;
    static constexpr const char* DefaultButton = "Evaluate";
    static constexpr const char* CancelButton = "GetOut";
    static constexpr size_t HistoryLimit = 1000;  // entries of FunctionIn's list

    // Event handlers, named control_event.
    void Evaluate_Click();
    void Result_Click();
    void TextReset_Timer();
    void SetMem_Click();
    void SetFunc_Click();
    void WhichOp_Click();
    // calculate_commands.cpp
    void Root_Click();
    void LocalMin_Click();
    void LocalMax_Click();
    void Integrate_Click();
    void Trace_Click();
    // view_commands.cpp
    void ZOut_Click();
    void MLeft_Click();
    void Left_Click();
    void Right_Click();
    void MRight_Click();
    void ClearScreen_Click();
    void GfxSpeed_Timer();
    // window_presets.cpp, save_picture.cpp
    void Standard_Click();
    void TrigWin_Click();
    void Saver_Click();
    void GetSet_Click();
    void SetDone_Click();
    void HelpMe_Click();
    void ClearHistory_Click();
    void GetOut_Click();
    // function_list.cpp: "List", then the FunctionList window's "OK" and "Cancel"
    void GotoFunkList_Click();
    void Command2_Click();
    void Command1_Click();

    // Runs the function slots: slot 0 in evaluate mode, every switched-on slot
    // in graph mode.
    void Activate();
    // Runs one command string; fstr loses its spaces.
    void RunString(std::string& fstr, double X);

private:
    // Re-entry: the commands that run inside a command (expr/nested_commands.h).
    void RunNestedScript(const std::string& fstr) override;
    void EvaluateNested() override;

    using Calculation = std::function<std::optional<double>(const std::string& fstr)>;
    void runGuarded(const std::function<void()>& handler, bool evenWhileBusy);
    std::string typedFunction() const;
    void addToHistory(const std::string& command);
    void calculate(const char* status, const Calculation& compute);
    void showCalculated(const std::optional<double>& result);
    void moveGuess(int steps);

    ConsoleState s_;
    Context ctx_;
    Evaluator eval_;
    Scripts scripts_{ctx_, eval_, *this};
    std::string helpAddress_ = "file:///usr/share/doc/plotmere/manual.html";
    bool busy_ = false;
};

}  // namespace plotmere
