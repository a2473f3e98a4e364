#pragma once
// Program start with windows.

#include <string>

namespace plotmere {

// Runs the calculator in its windows until it ends; returns the exit status.
// Without a display it says so in one line and returns 1. Help sends the user
// to helpAddress.
int RunWindow(int& argc, char** argv, const std::string& helpAddress);

}  // namespace plotmere
