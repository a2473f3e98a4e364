// The FunctionList window: a working copy of the ten function slots, stored
// only on "OK".

#include "console/console.h"

namespace plotmere {

void Console::GotoFunkList_Click() {
    FunctionListWindow& w = s_.FunctionList;
    w.FunctionList.Visible = true;
    s_.FunctionTexts[0] = s_.FunctionIn.Text;
    for (size_t i = 0; i < w.f.size(); ++i) {
        w.OnChk[i].Value = s_.FunctionOn[i];
        w.f[i].Text = s_.FunctionTexts[i];
    }
}

void Console::Command2_Click() {
    FunctionListWindow& w = s_.FunctionList;
    for (size_t i = 0; i < w.f.size(); ++i) {
        s_.FunctionTexts[i] = w.f[i].Text;
        s_.FunctionOn[i] = w.OnChk[i].Value;
    }
    s_.FunctionIn.Text = s_.FunctionTexts[0];
    Command1_Click();  // then closes as Cancel does
}

void Console::Command1_Click() {
    s_.Console.Visible = true;
    s_.FunctionList.FunctionList.Visible = false;
}

}  // namespace plotmere
