#pragma once
// Everything the calculator holds while it runs: the run flags, the program-wide
// tables, the viewing window and the state of every control of its three windows.
// There is no second copy of any of it; front ends read and write this object.

#include <array>
#include <string>
#include <vector>

#include "state/controls.h"
#include "state/run_flags.h"
#include "state/version.h"
#include "state/viewport.h"

namespace plotmere {

// The Console window's caption when idle (also the message boxes' title), and
// while a command works.
inline constexpr const char* AppTitle = "Plotmere";
inline constexpr const char* RunningTitle = "Plotmere <running>";

inline constexpr int FunctionSlots = 10;
inline constexpr int InitialMemLimit = 100;

struct SettingsWindow {
    Form Settings{"Settings"};
    CheckBox Axes{1};
    TextBox XTickbox{"1"}, YTickbox{"1"};
    TextBox ThetaMin{"0"}, ThetaMax{"2p"}, ThetaStep{"1"};
    TextBox ParamMin{"0"}, ParamMax{"10"}, ParamStep{"1"};
};

struct FunctionListWindow {
    Form FunctionList{"Functions"};
    std::array<TextBox, FunctionSlots> f{};
    std::array<CheckBox, FunctionSlots> OnChk{CheckBox{1}};
};

// A function slot: its text and the value of its "On" check box, of which
// only 1 graphs it.
struct FunctionSlot {
    std::string text;
    int on = 0;
};

// The curves on the picture since it was last cleared: how many were graphed,
// and the GraphMode of the last one.
struct GraphedCurves {
    int count = 0;
    int mode = 0;
};

// A named memory variable; a free slot has an empty name.
struct MemEntry {
    std::string name;
    float value = 0;
};

// The run flags are the state's own: read under their names, changed by their operations.
struct ConsoleState : RunFlags {
    ConsoleState();

    double guess = 0;

    // The zoom box between its two presses.
    bool ScreenClicked = false;
    int SelectionUstart = 0;
    int SelectionVstart = 0;
    int GraphingColor = 0;

    // Memory: m, F and the named variables.
    float Mem = 0;
    std::string StoredFunction;
    int MemCount = 0;
    std::vector<MemEntry> MemTable;  // slots 0 ... MemLimit(); the first MemCount in use
    int MemLimit() const { return static_cast<int>(MemTable.size()) - 1; }

    // Function slots and the value of x of the last Evaluate.
    std::array<FunctionSlot, FunctionSlots> Functions{};
    double LastResult = 0;

    // The viewing window, as the last DimWin read it.
    Viewport view;
    GraphedCurves Graphed;
    // The start-up picture shows, under what is drawn, until the first Evaluate.
    bool StartupPictureShown = true;

    // Controls of the Console window.
    Form Console{std::string(AppTitle) + " " + Version, true};
    ComboBox FunctionIn{"x", {}};
    TextBox Xequals{"0"};
    TextBox Text3{"10"}, Text4{"-10"}, Text5{"10"}, Text6{"-10"};
    Label Result;
    Label Status{"Ready", 0};
    CommandButton Evaluate{"Evaluate"};
    CheckBox WhichOp{0};
    OptionGroup GraphMode{3, 0};  // Normal, Polar, Parametric
    OptionGroup Option1{2, 0};    // Radian, Degrees
    Timer TextReset{TimerId::TextReset, 3000};
    Timer GfxSpeed{TimerId::GfxSpeed, 150};
    SaveDialog Dialog1{"Save your Plotmere picture.", "untitled", "", "bmp"};

    SettingsWindow Settings;
    FunctionListWindow FunctionList;

    // Angles are read in degrees, not radians.
    bool InDegrees() const { return Option1.Value(1); }

    // Empties the memory tables to their start size.
    void ResetMemory();
};

// The notice the Result label shows until the first result.
inline constexpr const char* ResultNotice = "Type a function, press Evaluate";

}  // namespace plotmere
