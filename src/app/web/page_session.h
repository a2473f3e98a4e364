#pragma once
// The calculator as the web page's worker runs it: the console on the page's
// host and picture, its state as an object for the page to show, and the
// page's input by control name, as the desktop's windows deliver it.

#include <emscripten/val.h>

#include <map>
#include <string>

#include "app/web/page_host.h"
#include "app/web/page_picture.h"
#include "console/console.h"

namespace plotmere {

class PageSession {
public:
    // send: takes each event (page_host.h); scale: device pixels per pixel.
    PageSession(emscripten::val send, double scale, const std::string& helpAddress,
                const std::string& scriptFolder);

    // The state of every control that changed since the page last saw it,
    // by name; the picture's description, whether the
    // start-up picture shows, the save
    // dialog's title, name and filter, and the picture's pixels where they
    // changed.
    emscripten::val State();
    // What the user typed into a box, ticked or selected; a click follows.
    bool SetText(const std::string& name, const std::string& text);
    bool SetValue(const std::string& name, int value);
    bool Click(const std::string& name) { return console_.Click(name); }
    void Tick(int timer) { console_.Tick(static_cast<TimerId>(timer)); }
    void MouseDown(float u, float v) { console_.MouseDown(u, v); }
    std::string PointerReadout(float u, float v) const;
    // What the next save dialog returns: a file name, or empty for cancel.
    void AnswerNextSave(const std::string& fileName) { host_.AnswerNextSave(fileName); }
    void SetScale(double scale);
    bool Ended() const { return host_.ended(); }

private:
    // Whether the page shows the control as it is; notes that it will.
    bool showsAlready(const std::string& name);

    PageHost host_;
    PagePicture picture_;
    Console console_;
    double scale_;
    std::map<std::string, std::string> shown_;  // all each control showed the page
};

}  // namespace plotmere
