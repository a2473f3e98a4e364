#pragma once
// A platform that answers everything at once and draws nothing, so that a
// target spends its time in the code under test.

#include "state/host.h"
#include "state/picture.h"

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

class QuietPicture : public Picture {
public:
    void Cls() override {}
    void Line(float, float, float, float, Rgb) override {}
    void PSet(float, float, Rgb) override {}
    void SetBackColor(Rgb) override {}
    void ClearBackgroundPicture() override {}
    double ScaleWidth() const override { return 4110; }
    double ScaleHeight() const override { return 1850; }
    bool SaveBmp(const std::string&) override { return false; }
};

}  // namespace plotmere::fuzz
