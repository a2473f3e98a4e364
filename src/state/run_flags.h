#pragma once
// The run flags of the current command.

namespace plotmere {

struct RunFlags {
    bool EvalError = false;
    bool CriticalError = false;
    bool ScriptError = false;
    bool ScriptMode = false;

    // A command starts with no error and outside any script.
    void clearForCommand() { *this = RunFlags{}; }
    // Stops the evaluation, the sweep and the run of slots or script lines at once.
    void signalallerrors() { EvalError = CriticalError = ScriptError = true; }
};

}  // namespace plotmere
