#pragma once
// The platform of the window: message boxes, beep, clipboard, the two timers,
// letting pending events run, and ending the program.

#include <QObject>
#include <QTimer>

#include "app/qt/dialogs.h"
#include "state/host.h"

namespace plotmere {

class QtHost : public QObject, public Host {
    Q_OBJECT
public:
    explicit QtHost(Dialogs& boxes);

    void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) override;
    void Beep() override;
    void DoEvents() override;
    void Pause(int ms) override;
    Rgb SystemColor(SystemColorId id) override;
    bool ShowSave(SaveDialog& dialog) override;
    void SetClipboardText(const std::string& text) override;
    void TimerChanged(const Timer& timer) override;
    // The status line shows through refresh(), like every other text.
    void StatusShown(const std::string&) override {}
    void EndProgram() override;

    // The window that message boxes belong to.
    void SetBoxParent(QWidget* parent) { boxParent_ = parent; }
    QTimer& timer(TimerId id) { return id == TimerId::TextReset ? textReset_ : gfxSpeed_; }

signals:
    // The widgets should show what the state now says.
    void refresh();
    void tick(TimerId id);
    void programEnded();

private:
    Dialogs& dialogs_;
    QWidget* boxParent_ = nullptr;
    QTimer textReset_;
    QTimer gfxSpeed_;
    bool ended_ = false;
};

}  // namespace plotmere
