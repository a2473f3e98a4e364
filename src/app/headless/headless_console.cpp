#include "app/headless/headless_console.h"

#include <charconv>
#include <optional>

#include "console/control_registry.h"
#include "expr/number_text.h"

namespace plotmere {

namespace {

std::optional<long> parseWhole(std::string_view text) {
    long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

// Splits "word rest" at the first space.
std::pair<std::string_view, std::string_view> firstWord(std::string_view line) {
    size_t space = line.find(' ');
    if (space == std::string_view::npos) return {line, {}};
    return {line.substr(0, space), line.substr(space + 1)};
}

// The text as one word: not empty, no space in it.
bool oneWord(std::string_view text) { return !text.empty() && text.find(' ') == std::string_view::npos; }

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) out += (i ? " | " : "") + items[i];
    return out;
}

// "U V", a point in picture units.
std::optional<std::pair<float, float>> pictureCoordinates(std::string_view text) {
    auto [u, v] = firstWord(text);
    auto x = ParseNumber(u), y = ParseNumber(v);
    if (!x || !y || !oneWord(v)) return std::nullopt;
    return std::pair{static_cast<float>(*x), static_cast<float>(*y)};
}

}  // namespace

HeadlessConsole::HeadlessConsole(std::ostream& out, std::ostream& err, Picture& picture, double scale)
    : out_(out), err_(err), picture_(picture), scale_(scale), host_(out), console_(host_, picture) {}

int HeadlessConsole::Run(std::istream& in) {
    int status = 0;
    std::string line;
    for (long number = 1; !host_.ended() && std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (std::string why = perform(line); !why.empty()) {
            err_ << "error: line " << number << ": " << why << '\n' << std::flush;
            status = 2;
        }
    }
    return status;
}

std::span<const HeadlessConsole::Action> HeadlessConsole::actions() {
    static constexpr Action table[] = {
        {"type", &HeadlessConsole::type},     {"click", &HeadlessConsole::click},
        {"check", &HeadlessConsole::check},   {"choose", &HeadlessConsole::choose},
        {"key", &HeadlessConsole::key},       {"press", &HeadlessConsole::press},
        {"wait", &HeadlessConsole::wait},     {"show", &HeadlessConsole::show},
        {"answer", &HeadlessConsole::answer}, {"picture", &HeadlessConsole::picture},
    };
    return table;
}

std::vector<std::string_view> HeadlessConsole::ActionNames() {
    std::vector<std::string_view> names;
    for (const Action& action : actions()) names.push_back(action.name);
    return names;
}

std::string HeadlessConsole::perform(std::string_view line) {
    auto [word, rest] = firstWord(line);
    for (const Action& action : actions()) {
        if (action.name == word) return (this->*action.perform)(rest);
    }
    return "unknown action '" + std::string(word) + "'";
}

std::string HeadlessConsole::type(std::string_view rest) {
    auto [control, text] = firstWord(rest);
    std::string* target = EditText(console_.state(), control);
    if (!target) return "no text box named '" + std::string(control) + "'";
    *target = std::string(text);
    return {};
}

std::string HeadlessConsole::click(std::string_view control) {
    if (!oneWord(control)) return "click takes one control name";
    if (!console_.Click(control)) return "nothing to click named '" + std::string(control) + "'";
    return {};
}

std::string HeadlessConsole::check(std::string_view rest) {
    auto [control, value] = firstWord(rest);
    CheckBox* box = FindState<CheckBox>(console_.state(), control);
    if (!box) return "no check box named '" + std::string(control) + "'";
    auto v = parseWhole(value);
    if (!v || *v < 0 || *v > 1) return "a check box takes 0 or 1";
    box->Value = static_cast<int>(*v);
    console_.Click(control);  // not every check box has a click handler
    return {};
}

std::string HeadlessConsole::choose(std::string_view rest) {
    auto [control, index] = firstWord(rest);
    OptionGroup* group = FindState<OptionGroup>(console_.state(), control);
    if (!group) return "no option buttons named '" + std::string(control) + "'";
    auto i = parseWhole(index);
    if (!i || *i < 0 || *i >= group->Count) {
        return "'" + std::string(control) + "' has options 0 to " + std::to_string(group->Count - 1);
    }
    group->Selected = static_cast<int>(*i);
    return {};
}

std::string HeadlessConsole::key(std::string_view name) {
    if (name == "Enter") console_.Click(Console::DefaultButton);
    else if (name == "Esc") console_.Click(Console::CancelButton);
    else return "unknown key '" + std::string(name) + "' (Enter or Esc)";
    return {};
}

std::string HeadlessConsole::wait(std::string_view ms) {
    auto v = parseWhole(ms);
    if (!v || *v < 0 || *v > HeadlessHost::MaxWait) {
        return "wait takes 0 to " + std::to_string(HeadlessHost::MaxWait) + " milliseconds";
    }
    host_.Wait(*v, [this](TimerId id) { console_.Tick(id); });
    return {};
}

std::string HeadlessConsole::press(std::string_view rest) {
    const auto at = pictureCoordinates(rest);
    if (!at) return "press takes two picture coordinates";
    console_.MouseDown(at->first, at->second);
    return {};
}

std::string HeadlessConsole::answer(std::string_view fileName) {
    if (fileName.empty()) return "answer takes a file name or cancel";
    host_.AnswerNextSave(fileName == "cancel" ? std::string() : std::string(fileName));
    return {};
}

std::string HeadlessConsole::picture(std::string_view fileName) {
    if (fileName.empty()) return "picture takes a file name";
    const SaveResult result = picture_.Save(std::string(fileName));
    if (result == SaveResult::Saved) return {};
    const std::string reason = SaveFailureReason(result);
    return "cannot write " + std::string(fileName) + (reason.empty() ? "" : " (" + reason + ")") +
           "; no file was changed";
}

std::string HeadlessConsole::show(std::string_view control) {
    if (auto [name, at] = firstWord(control); name == "pointer") return showPointer(at);
    if (!oneWord(control)) return "show takes one control name";
    ConsoleState& s = console_.state();
    std::optional<std::string> text;
    if (control == "FunctionIn.List") text = joined(s.FunctionIn.List);
    else if (control == "guess") text = FormatDouble(s.guess);
    else if (const Control* c = FindControl(control)) text = ShownText(c->StateIn(s));
    if (!text) return "nothing to show named '" + std::string(control) + "'";
    out_ << control << ": " << *text << '\n' << std::flush;
    return {};
}

std::string HeadlessConsole::showPointer(std::string_view rest) {
    const auto at = pictureCoordinates(rest);
    if (!at) return "show pointer takes two picture coordinates";
    out_ << "pointer: " << console_.PointerReadout(at->first, at->second, scale_).value_or("") << '\n'
         << std::flush;
    return {};
}

}  // namespace plotmere
