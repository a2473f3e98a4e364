#pragma once
// The run flags of the current command. Anyone reads them; they change only
// through the operations below, each named for what happens, so that every
// writer is found by its name. The line above each operation says which flags
// it sets and clears; docs/architecture.md's table is checked against these lines.

namespace plotmere {

class RunFlags {
public:
    bool EvalError() const { return evalError_; }
    bool CriticalError() const { return criticalError_; }
    bool ScriptError() const { return scriptError_; }
    bool ScriptMode() const { return scriptMode_; }

    // clears EvalError CriticalError ScriptError ScriptMode
    void startCommand() { *this = RunFlags{}; }
    // sets ScriptMode, clears ScriptError
    void startScript() {
        scriptError_ = false;
        scriptMode_ = true;
    }
    // sets EvalError
    void failEvaluation() { evalError_ = true; }
    // sets EvalError
    // The evaluator's guarded arithmetic steps set the flag through this, in
    // their hot loop; nothing else may hold it.
    bool& evalErrorOfGuardedSteps() { return evalError_; }
    // sets CriticalError
    void failParentheses() { criticalError_ = true; }
    // sets ScriptError CriticalError
    void failWindow() { scriptError_ = criticalError_ = true; }
    // sets ScriptError
    void stopRun() { scriptError_ = true; }
    // sets EvalError CriticalError ScriptError
    // Stops the evaluation, the sweep and the run of slots or script lines at once.
    void signalallerrors() { evalError_ = criticalError_ = scriptError_ = true; }
    // clears EvalError
    void rejectSample() { evalError_ = false; }

private:
    bool evalError_ = false;
    bool criticalError_ = false;
    bool scriptError_ = false;
    bool scriptMode_ = false;
};

}  // namespace plotmere
