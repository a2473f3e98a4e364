#include "app/headless/headless_host.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace plotmere {

void HeadlessHost::event(const std::string& line) { out_ << line << '\n' << std::flush; }

void HeadlessHost::MsgBox(const std::string& text, const std::string& title, MsgIcon) {
    std::string shown;
    for (char c : text) {
        if (c == '\r') shown += "\\r";
        else shown += c;
    }
    event("message [" + title + "] " + shown);
}

void HeadlessHost::Beep() { event("beep"); }

void HeadlessHost::SetClipboardText(const std::string& text) { event("clipboard " + text); }

void HeadlessHost::StatusShown(const std::string& text) { event("status " + text); }

void HeadlessHost::TimerChanged(const Timer& timer) {
    if (timer.Enabled) running_[timer.Id] = {now_ + timer.Interval, timer.Interval};
    else running_.erase(timer.Id);
}

void HeadlessHost::Wait(long ms, const std::function<void(TimerId)>& fire) {
    const long until = now_ + ms;
    for (;;) {
        auto next = std::min_element(running_.begin(), running_.end(), [](const auto& a, const auto& b) {
            return a.second.due < b.second.due;
        });
        if (next == running_.end() || next->second.due > until) break;
        now_ = next->second.due;
        next->second.due += next->second.interval;  // ticks again unless its handler disables it
        fire(next->first);
    }
    // Only the time left to each timer matters: count from here afresh.
    for (auto& [id, timer] : running_) timer.due -= until;
    now_ = 0;
}

Rgb ClassicSystemColor(SystemColorId id) {
    switch (id) {
        case SystemColorId::MenuText: return {0, 0, 0};
        case SystemColorId::Highlight: return {0, 0, 128};
        default: return {255, 255, 255};
    }
}

bool AnswerSave(SaveDialog& dialog, std::string fileName) {
    if (fileName.empty()) return false;
    // Like a real dialog, add the default extension to a name without one.
    if (!std::filesystem::path(fileName).has_extension()) fileName += "." + dialog.DefaultExt;
    dialog.FileName = std::move(fileName);
    return true;
}

bool HeadlessHost::ShowSave(SaveDialog& dialog) {
    return AnswerSave(dialog, std::exchange(answer_, std::string()));
}

}  // namespace plotmere
