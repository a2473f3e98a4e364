#pragma once
// A console on the headless platform with a recording picture and a scripts
// folder of its own: a test reads the events a person would have seen, as the
// headless console prints them.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/headless/headless_host.h"
#include "console/console.h"
#include "support/recording_picture.h"
#include "support/temp_folder.h"

namespace plotmere::testing {

using Events = std::vector<std::string>;

inline long count(const Events& events, const std::string& line) {
    return std::count(events.begin(), events.end(), line);
}

template <class PictureKind>
class ConsoleTestOn : public ::testing::Test {
protected:
    ConsoleTestOn() { console.scripts().SetFolder(folder.path()); }

    // The events since the last call, one a line.
    Events events() {
        Events lines;
        std::istringstream in(out_.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        out_.str("");
        return lines;
    }

    Value eval(std::string_view text, double x = 0) { return console.evaluator().eval(text, x); }

    void clearFlags() { s.startCommand(); }

    // Types the command into the function box and presses the button, as a person does.
    void enter(const std::string& command, const char* button = "Evaluate") {
        s.FunctionIn.Text = command;
        console.Click(button);
    }
    Events run(const std::string& command, const char* button = "Evaluate") {
        enter(command, button);
        return events();
    }

    // The four bound boxes, in the order the window shows them.
    void setBounds(const std::string& xmax, const std::string& xmin, const std::string& ymax,
                   const std::string& ymin) {
        s.Text3.Text = xmax;
        s.Text4.Text = xmin;
        s.Text5.Text = ymax;
        s.Text6.Text = ymin;
    }
    Events bounds() const { return {s.Text3.Text, s.Text4.Text, s.Text5.Text, s.Text6.Text}; }

    void wait(long ms) {
        host.Wait(ms, [this](TimerId id) { console.Tick(id); });
    }

    std::ostringstream out_;
    HeadlessHost host{out_};
    PictureKind picture;
    Console console{host, picture};
    ConsoleState& s = console.state();
    TempFolder folder;
};
using ConsoleTest = ConsoleTestOn<RecordingPicture>;

}  // namespace plotmere::testing
