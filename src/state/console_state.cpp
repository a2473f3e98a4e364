#include "state/console_state.h"

namespace plotmere {

ConsoleState::ConsoleState() : Result{ResultNotice, 0} { ResetMemory(); }

void ConsoleState::ResetMemory() {
    MemCount = 0;
    MemLimit = InitialMemLimit;
    MemNames.assign(InitialMemLimit + 1, std::string());
    MemValues.assign(InitialMemLimit + 1, 0.0f);
}

}  // namespace plotmere
