// "Standard Win" and "Trig Win": preset windows written into the boxes, then
// everything redrawn.

#include "console/console.h"

namespace plotmere {

void Console::Standard_Click() {
    s_.Text3.Text = "10";
    s_.Text4.Text = "-10";
    s_.Text5.Text = "10";
    s_.Text6.Text = "-10";
    s_.Settings.XTickbox.Text = "1";
    Activate();
}

void Console::TrigWin_Click() {
    const bool radians = s_.Option1.Value(0);
    s_.Text3.Text = radians ? "2p" : "360";
    s_.Text4.Text = radians ? "-2p" : "-360";
    s_.Text5.Text = "4";
    s_.Text6.Text = "-4";
    s_.Settings.XTickbox.Text = radians ? "p/2" : "90";
    s_.Settings.YTickbox.Text = "1";
    Activate();
}

}  // namespace plotmere
