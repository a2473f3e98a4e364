// Commands that change what the picture shows: Zoom Out, the guess-line
// arrows, Clear Screen, the zoom box and its delayed redraw; the readout of
// the pointer.

#include "analysis/guess_line.h"
#include "analysis/pointer_readout.h"
#include "analysis/zoom_box.h"
#include "console/console.h"
#include "expr/number_text.h"
#include "plot/cartesian.h"
#include "plot/window.h"
#include "state/running_caption.h"

namespace plotmere {

namespace {
// Long enough for each colour of the flash to be seen.
constexpr int FlashPauseMs = 40;
}  // namespace

void Console::ZOut_Click() {
    const RunningCaption running(s_.Console);
    const Viewport& view = DimWin(ctx_, eval_);
    const double halfWidth = view.domain / 2, halfHeight = view.range / 2;
    s_.Text3.Text = FormatForInput(view.XMax + halfWidth);
    s_.Text4.Text = FormatForInput(view.XMin - halfWidth);
    s_.Text5.Text = FormatForInput(view.YMax + halfHeight);
    s_.Text6.Text = FormatForInput(view.YMin - halfHeight);
    ClearScreen_Click();
    Evaluate_Click();
}

// Moves the guess line by the given number of search steps (a picture unit
// each), repairing the column it leaves.
void Console::moveGuess(int steps) {
    const Viewport& view = DimWin(ctx_, eval_);
    ReDraw(ctx_, eval_, view, typedFunction(), s_.guess);
    s_.guess = s_.guess + steps * view.domain / PictureWidth;
    DrawGuess(ctx_, view, s_.guess);
}

void Console::MLeft_Click() { moveGuess(-100); }
void Console::Left_Click() { moveGuess(-10); }
void Console::Right_Click() { moveGuess(10); }
void Console::MRight_Click() { moveGuess(100); }

void Console::ClearScreen_Click() {
    Picture& picture = ctx_.picture;
    picture.SetBackColor(ctx_.host.SystemColor(SystemColorId::MenuText));
    ctx_.host.DoEvents();
    ctx_.host.Pause(FlashPauseMs);
    picture.SetBackColor(ctx_.host.SystemColor(SystemColorId::Highlight));
    ctx_.host.DoEvents();
    ctx_.host.Pause(FlashPauseMs);
    picture.SetBackColor(ctx_.host.SystemColor(SystemColorId::Window));
    picture.Cls();
    s_.Graphed = {};
}

// Off before the redraw, so that a redraw that fails is not tried again.
void Console::GfxSpeed_Timer() {
    ctx_.SetTimerEnabled(s_.GfxSpeed, false);
    Activate();
    s_.Console.Caption = AppTitle;  // shown running since the zoom box was marked
}

void Console::MouseDown(float u, float v) {
    runGuarded([this, u, v] { Picture1_MouseDown(ctx_, eval_, u, v); }, false);
}

// While a command runs, the window may be half read.
std::optional<std::string> Console::PointerReadout(float u, float v, double scale) const {
    if (busy_) return std::nullopt;
    return plotmere::PointerReadout(s_, u, v, scale);
}

}  // namespace plotmere
