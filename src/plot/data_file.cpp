#include "plot/data_file.h"

#include <fstream>
#include <vector>

#include "expr/number_text.h"
#include "plot/axes.h"
#include "plot/window.h"
#include "state/text_items.h"

namespace plotmere {

namespace {

void problem(Context& ctx, const char* what, const std::string& name) {
    ctx.s.ScriptError = true;
    ctx.MsgBox(std::string(what) + "\"" + name + "\"");
}

struct Numbers {
    std::vector<double> values;
    bool complete = true;  // false: reading stopped at an item that is no number
};

// The items of the file in order, as numbers; empty items (blank lines, a
// comma at the end of a line) are passed over.
Numbers readNumbers(std::istream& in) {
    Numbers numbers;
    ItemReader items(in);
    while (auto item = items.Next()) {
        if (item->text.empty() && !item->quoted) continue;
        const auto value = ParseNumber(item->text);
        if (!value) {
            numbers.complete = false;
            break;
        }
        numbers.values.push_back(*value);
    }
    return numbers;
}

bool inside(const ConsoleState& s, double x, double y) {
    return s.XMin < x && x < s.XMax && s.YMin < y && y < s.YMax;
}

}  // namespace

void PlotFileCommand(Context& ctx, Evaluator& ev, const std::string& command) {
    if (command.size() < 2 || command[1] != 'P') return;
    if (command.size() < 9) {  // no room for a name
        problem(ctx, "Problem with file: ", "");
        return;
    }
    PlotDataFile(ctx, ev, command.substr(7, command.size() - 9));
}

void PlotDataFile(Context& ctx, Evaluator& ev, const std::string& name) {
    ctx.SetStatus("Plotting...");
    std::ifstream file(name);
    if (!file) return problem(ctx, "Problem with file: ", name);

    DimWin(ctx, ev);
    const Numbers numbers = readNumbers(file);
    const std::vector<double>& v = numbers.values;
    const ConsoleState& s = ctx.s;
    const Rgb color = QBColor(s.GraphingColor);
    for (size_t i = 2; i + 1 < v.size(); i += 2) {
        const double x0 = v[i - 2], y0 = v[i - 1], x = v[i], y = v[i + 1];
        if (inside(s, x, y)) {
            ctx.picture.Line(ToSingle(MapToPicX(ctx, x)), ToSingle(MapToPicY(ctx, y)), ToSingle(MapToPicX(ctx, x0)),
                             ToSingle(MapToPicY(ctx, y0)), color);
        }
    }
    // A file that ends inside a pair, or with no pair at all, holds a missing value.
    if (!numbers.complete || v.size() < 2 || v.size() % 2 != 0) {
        return problem(ctx, "Problem inside file: ", name);
    }
    if (s.Settings.Axes.Value == 1) Showgrid(ctx);
}

}  // namespace plotmere
