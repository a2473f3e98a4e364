#pragma once
// A console on the headless platform with a recording picture: a test reads
// the events a person would have seen, as the headless console prints them.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/headless/headless_host.h"
#include "console/console.h"
#include "support/recording_picture.h"

namespace plotmere::testing {

class ConsoleTest : public ::testing::Test {
protected:
    // The events since the last call, one a line.
    std::vector<std::string> events() {
        std::vector<std::string> lines;
        std::istringstream in(out_.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        out_.str("");
        return lines;
    }

    Value eval(std::string_view text, double x = 0) { return console.evaluator().eval(text, x); }

    void clearFlags() { s.clearForCommand(); }

    void wait(long ms) {
        host.Wait(ms, [this](TimerId id) { console.Tick(id); });
    }

    std::ostringstream out_;
    HeadlessHost host{out_};
    RecordingPicture picture;
    Console console{host, picture};
    ConsoleState& s = console.state();
};

}  // namespace plotmere::testing
