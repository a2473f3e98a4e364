#pragma once
// The state of the standard controls the commands read and write. Front ends
// mirror these; the core never sees a widget.

#include <string>
#include <vector>

namespace plotmere {

struct TextBox {
    std::string Text;
};

struct Label {
    std::string Caption;
    int ForeColor = 0;  // QBColor index
};

struct CommandButton {
    std::string Caption;
};

struct CheckBox {
    int Value = 0;  // 0 unchecked, 1 checked, 2 grey
};

// An array of option buttons; one of them is selected.
struct OptionGroup {
    int Count;
    int Selected = 0;
    bool Value(int index) const { return Selected == index; }
};

// A drop-down combo box: an editable text plus its list of items.
struct ComboBox {
    std::string Text;
    std::vector<std::string> List;
};

struct Form {
    std::string Caption;
    bool Visible = false;
};

// A file-save dialog kept for the whole run, so its file name survives.
struct SaveDialog {
    std::string DialogTitle;
    std::string FileName;
    std::string Filter;
    std::string DefaultExt;
};

enum class TimerId { TextReset, GfxSpeed };

struct Timer {
    TimerId Id;
    int Interval;  // milliseconds
    bool Enabled = false;
};

}  // namespace plotmere
