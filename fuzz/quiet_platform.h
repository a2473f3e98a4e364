#pragma once
// A host that answers everything at once, so that a target spends its time in
// the code under test (with a NullPicture, which draws nothing).

#include "state/host.h"
#include "state/null_picture.h"

namespace plotmere::fuzz {

class QuietHost : public Host {
public:
    void MsgBox(const std::string&, const std::string&, MsgIcon) override {}
    void Beep() override {}
    void DoEvents() override {}
    void Pause(int) override {}
    Rgb SystemColor(SystemColorId) override { return {}; }
    void SetClipboardText(const std::string&) override {}
    void TimerChanged(const Timer&) override {}
    void StatusShown(const std::string&) override {}
    bool ShowSave(SaveDialog&) override { return false; }
    void EndProgram() override {}
};

}  // namespace plotmere::fuzz
