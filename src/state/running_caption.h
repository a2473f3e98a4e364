#pragma once
// The Console window's caption while a command works.

#include <exception>

#include "state/console_state.h"

namespace plotmere {

// Shows the window as running for the guard's life and as idle after it. A
// run-time failure leaves the caption to its handler, which reports the
// failure with the window still shown running and then restores it.
class RunningCaption {
public:
    explicit RunningCaption(Form& window) : window_(window) { window_.Caption = RunningTitle; }
    ~RunningCaption() {
        if (!kept_ && std::uncaught_exceptions() == failuresBefore_) window_.Caption = AppTitle;
    }
    RunningCaption(const RunningCaption&) = delete;
    RunningCaption& operator=(const RunningCaption&) = delete;

    // Leaves the window shown running after the guard, for a later event to end.
    void keep() { kept_ = true; }

private:
    Form& window_;
    const int failuresBefore_ = std::uncaught_exceptions();
    bool kept_ = false;
};

}  // namespace plotmere
