#include "state/console_state.h"

namespace plotmere {

ConsoleState::ConsoleState() : Result{ResultNotice, 0} { ResetMemory(); }

void ConsoleState::ResetMemory() {
    MemCount = 0;
    MemTable.assign(InitialMemLimit + 1, MemEntry{});
}

}  // namespace plotmere
