#pragma once
// The platform services the core calls. The window front end, the headless
// console and the tests each plug in their own.

#include <string>

#include "state/controls.h"
#include "state/picture.h"

namespace plotmere {

enum class MsgIcon { None, Exclamation };
enum class SystemColorId { MenuText, Highlight, Window };

class Host {
public:
    virtual ~Host() = default;

    // Modal message box with an OK button; returns when it is answered.
    virtual void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) = 0;
    virtual void Beep() = 0;
    // Lets waiting window events run (and shows what the state now says).
    virtual void DoEvents() = 0;
    // Waits about ms milliseconds while letting window events run.
    virtual void Pause(int ms) = 0;
    // The desktop's colours for menu text, highlight and window background.
    virtual Rgb SystemColor(SystemColorId id) = 0;
    // Empties the clipboard, then puts the text on it.
    virtual void SetClipboardText(const std::string& text) = 0;
    // The timer was enabled (its interval starts afresh) or disabled.
    virtual void TimerChanged(const Timer& timer) = 0;
    // A message was put on the status line.
    virtual void StatusShown(const std::string& text) = 0;
    // Shows the save dialog and waits; on true the user confirmed and
    // dialog.FileName holds the chosen file, with its folder.
    virtual bool ShowSave(SaveDialog& dialog) = 0;
    // Closes every window and ends the program.
    virtual void EndProgram() = 0;
};

}  // namespace plotmere
