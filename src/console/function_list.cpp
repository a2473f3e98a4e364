// The FunctionList window: a working copy of the ten function slots, stored
// only on "OK".

#include "console/console.h"

namespace plotmere {

void Console::GotoFunkList_Click() {
    FunctionListWindow& w = s_.FunctionList;
    w.FunctionList.Visible = true;
    s_.Functions[0].text = s_.FunctionIn.Text;
    for (size_t i = 0; i < w.f.size(); ++i) {
        w.OnChk[i].Value = s_.Functions[i].on;
        w.f[i].Text = s_.Functions[i].text;
    }
}

void Console::Command2_Click() {
    FunctionListWindow& w = s_.FunctionList;
    for (size_t i = 0; i < w.f.size(); ++i) s_.Functions[i] = {w.f[i].Text, w.OnChk[i].Value};
    s_.FunctionIn.Text = s_.Functions[0].text;
    Command1_Click();  // then closes as Cancel does
}

void Console::Command1_Click() {
    s_.Console.Visible = true;
    s_.FunctionList.FunctionList.Visible = false;
}

}  // namespace plotmere
