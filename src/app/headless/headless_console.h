#pragma once
// The calculator without a window: reads actions, one a line, runs each on the
// core and prints what a person at the window would see happen.

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/headless/headless_host.h"
#include "console/console.h"

namespace plotmere {

class HeadlessConsole {
public:
    // scale: device pixels to a pixel of the picture, which the pointer's readout shows digits for.
    HeadlessConsole(std::ostream& out, std::ostream& err, Picture& picture, double scale = 1);

    // Runs every action of in; returns the exit status: 0, or 2 when a line
    // could not be read.
    int Run(std::istream& in);

    Console& console() { return console_; }

    // The words of the actions, in the order the help lists them.
    static std::vector<std::string_view> ActionNames();

private:
    using Handler = std::string (HeadlessConsole::*)(std::string_view rest);
    struct Action {
        std::string_view name;
        Handler perform;
    };
    static std::span<const Action> actions();

    // Performs one action; returns why it could not, or an empty text. Each
    // action reads the rest of its line itself.
    std::string perform(std::string_view line);
    std::string type(std::string_view rest);
    std::string click(std::string_view control);
    std::string check(std::string_view rest);
    std::string choose(std::string_view rest);
    std::string key(std::string_view name);
    std::string wait(std::string_view ms);
    std::string show(std::string_view control);
    std::string showPointer(std::string_view rest);
    std::string answer(std::string_view fileName);
    std::string press(std::string_view rest);
    std::string picture(std::string_view fileName);

    std::ostream& out_;
    std::ostream& err_;
    Picture& picture_;
    double scale_;
    HeadlessHost host_;
    Console console_;
};

}  // namespace plotmere
