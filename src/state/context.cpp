#include "state/context.h"

namespace plotmere {

void Context::SetStatus(const std::string& message) {
    SetTimerEnabled(s.TextReset, false);
    SetTimerEnabled(s.TextReset, true);
    s.Status.ForeColor = 1;
    s.Status.Caption = message;
    host.StatusShown(message);
    host.DoEvents();
}

void Context::MsgBox(const std::string& text, const std::string& title, MsgIcon icon) {
    ++messagesShown;
    host.MsgBox(text, title, icon);
}

void Context::SetTimerEnabled(Timer& timer, bool enabled) {
    timer.Enabled = enabled;
    host.TimerChanged(timer);
}

}  // namespace plotmere
