#include "plot/data_file.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "expr/evaluator.h"
#include "expr/number_text.h"
#include "plot/axes.h"
#include "plot/window.h"
#include "state/text_items.h"

namespace plotmere {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t MaxFileBytes = std::size_t{64} << 20;
constexpr std::size_t MaxLineBytes = std::size_t{64} << 10;

void problem(Context& ctx, const char* what, const std::string& name) {
    ctx.s.stopRun();
    ctx.MsgBox(std::string(what) + "\"" + name + "\"");
}

// The whole file, when it is a regular file of at most MaxFileBytes: a device
// or a pipe could block or never end.
std::optional<std::string> readWhole(const std::string& name) {
    std::error_code ec;
    if (!fs::is_regular_file(name, ec)) return std::nullopt;
    std::ifstream file(name, std::ios::binary);
    std::string content;
    std::array<char, 1 << 16> chunk;
    while (file.read(chunk.data(), chunk.size()), file.gcount() > 0) {
        content.append(chunk.data(), static_cast<std::size_t>(file.gcount()));
        if (content.size() > MaxFileBytes) return std::nullopt;
    }
    if (!file.eof()) return std::nullopt;  // not opened, or a read failed
    return content;
}

struct Numbers {
    std::vector<double> values;
    bool complete = true;  // false: reading stopped at an item that is no number
    bool tooLong = false;  // reading stopped at a line longer than MaxLineBytes
};

// The items of the text in order, as numbers; empty items (blank lines, a
// comma at the end of a line) are passed over.
Numbers readNumbers(const std::string& text) {
    Numbers numbers;
    std::istringstream in(text);
    ItemReader items(in, MaxLineBytes);
    while (auto item = items.Next()) {
        if (item->text.empty() && !item->quoted) continue;
        const auto value = ParseNumber(item->text);
        if (!value) {
            numbers.complete = false;
            return numbers;
        }
        numbers.values.push_back(*value);
    }
    numbers.tooLong = items.stop() == ItemReader::Stop::TooLong;
    numbers.complete = items.stop() == ItemReader::Stop::End;
    return numbers;
}

bool inside(const Viewport& view, double x, double y) {
    return view.XMin < x && x < view.XMax && view.YMin < y && y < view.YMax;
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
    const auto text = readWhole(name);
    if (!text) return problem(ctx, "Problem with file: ", name);

    const Viewport& view = DimWin(ctx, ev);
    const Numbers numbers = readNumbers(*text);
    if (numbers.tooLong) return problem(ctx, "Problem with file: ", name);
    const std::vector<double>& v = numbers.values;
    const ConsoleState& s = ctx.s;
    const Rgb color = QBColor(s.GraphingColor);
    for (size_t i = 2; i + 1 < v.size(); i += 2) {
        const double x0 = v[i - 2], y0 = v[i - 1], x = v[i], y = v[i + 1];
        if (inside(view, x, y)) {
            ctx.picture.Line(ToSingle(view.toPictureX(x)), ToSingle(view.toPictureY(y)),
                             ToSingle(view.toPictureX(x0)), ToSingle(view.toPictureY(y0)), color);
        }
    }
    // A file that ends inside a pair, or with no pair at all, holds a missing value.
    if (!numbers.complete || v.size() < 2 || v.size() % 2 != 0) {
        return problem(ctx, "Problem inside file: ", name);
    }
    if (s.Settings.Axes.Value == 1) Showgrid(ctx, view);
}

}  // namespace plotmere
