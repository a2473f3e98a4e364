#pragma once
// The platform of the web page. The core runs in a worker, and every event goes
// from there to the page as an object, in order. The worker runs ahead: the page
// shows a message box when it comes to it and holds back what follows until the
// box is answered, so the core need not wait for it. A save dialog is answered
// before the click that shows it, as the headless console answers it.

#include <emscripten/val.h>

#include <string>

#include "state/host.h"

namespace plotmere {

class PageHost : public Host {
public:
    // send: the worker's function that takes each event.
    explicit PageHost(emscripten::val send) : send_(std::move(send)) {}

    void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) override;
    void Beep() override { send(event("beep")); }
    // The worker fires the timers that fell due and shows the page the state.
    void DoEvents() override { send(event("events")); }
    // The page waits when it comes to it.
    void Pause(int ms) override;
    Rgb SystemColor(SystemColorId id) override;
    void SetClipboardText(const std::string& text) override;
    void TimerChanged(const Timer& timer) override;
    // The status line shows with the rest of the state.
    void StatusShown(const std::string&) override {}
    bool ShowSave(SaveDialog& dialog) override;
    void EndProgram() override;

    void AnswerNextSave(std::string fileName) { answer_ = std::move(fileName); }
    bool ended() const { return ended_; }
    // An event of that type, for the caller to add to.
    static emscripten::val event(const char* type);
    void send(const emscripten::val& event) { send_(event); }

private:
    emscripten::val send_;
    std::string answer_;
    bool ended_ = false;
};

}  // namespace plotmere
