#pragma once
// Program start with windows.

namespace plotmere {

// Runs the calculator in its windows until it ends; returns the exit status.
// Without a display it says so in one line and returns 1.
int RunWindow(int& argc, char** argv);

}  // namespace plotmere
