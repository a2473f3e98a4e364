#pragma once
// The platform of the headless console: every event is a line of text, time
// passes only when told to, and message boxes are answered OK at once.

#include <functional>
#include <map>
#include <ostream>

#include "state/host.h"

namespace plotmere {

// The classic desktop colours, for a front end with no desktop to ask.
Rgb ClassicSystemColor(SystemColorId id);

// Answers a save dialog with a file name chosen beforehand; empty cancels.
bool AnswerSave(SaveDialog& dialog, std::string fileName);

class HeadlessHost : public Host {
public:
    explicit HeadlessHost(std::ostream& out) : out_(out) {}

    void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) override;
    void Beep() override;
    void DoEvents() override {}
    void Pause(int) override {}
    Rgb SystemColor(SystemColorId id) override { return ClassicSystemColor(id); }
    void SetClipboardText(const std::string& text) override;
    void TimerChanged(const Timer& timer) override;
    void StatusShown(const std::string& text) override;
    bool ShowSave(SaveDialog& dialog) override;
    void EndProgram() override { ended_ = true; }

    // What the next save dialog returns: a file name, or cancel when empty.
    void AnswerNextSave(std::string fileName) { answer_ = std::move(fileName); }

    bool ended() const { return ended_; }
    // Lets ms milliseconds (0 to MaxWait) pass, firing the timers that fall
    // due, in order.
    static constexpr long MaxWait = 86'400'000;  // a day
    void Wait(long ms, const std::function<void(TimerId)>& fire);

private:
    void event(const std::string& line);

    std::ostream& out_;
    long now_ = 0;  // since the end of the last wait: the clock never runs far
    struct Running {
        long due;
        int interval;
    };
    std::map<TimerId, Running> running_;
    bool ended_ = false;
    std::string answer_;
};

}  // namespace plotmere
