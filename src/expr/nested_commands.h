#pragma once
// Commands that run inside a command: re-entry, named. The console runs them;
// the evaluator starts a script named in an expression through this, and the
// script runner runs each line of a script through it, a whole Evaluate that
// clears the run flags, may graph and may read the viewing window anew.

#include <string>

namespace plotmere {

class NestedCommands {
public:
    // Runs the script that fstr names (it begins with a double quote), in the
    // middle of the evaluation that named it.
    virtual void RunNestedScript(const std::string& fstr) = 0;
    // Runs the function box's text as the Evaluate command, in the middle of a script.
    virtual void EvaluateNested() = 0;

protected:
    ~NestedCommands() = default;
};

}  // namespace plotmere
