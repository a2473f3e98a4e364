#pragma once
// What every command works with: the one state object and the platform.

#include <cstddef>
#include <string>

#include "state/console_state.h"
#include "state/host.h"
#include "state/picture.h"

namespace plotmere {

struct Context {
    ConsoleState& s;
    Host& host;
    Picture& picture;

    // The status line: the message in dark blue, the fade timer restarted,
    // pending events let through so it shows at once.
    void SetStatus(const std::string& message);
    void MsgBox(const std::string& text, const std::string& title = AppTitle, MsgIcon icon = MsgIcon::None);
    void SetTimerEnabled(Timer& timer, bool enabled);

    // Message boxes shown since the program started.
    std::size_t messagesShown = 0;
};

}  // namespace plotmere
