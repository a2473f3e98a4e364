#include "app/web/page_host.h"

#include <utility>

#include "app/headless/headless_host.h"

namespace plotmere {

using emscripten::val;

val PageHost::event(const char* type) {
    val e = val::object();
    e.set("type", type);
    return e;
}

void PageHost::MsgBox(const std::string& text, const std::string& title, MsgIcon icon) {
    if (ended_) return;
    val e = event("message");
    e.set("text", text);
    e.set("title", title);
    e.set("exclamation", icon == MsgIcon::Exclamation);
    send(e);
}

void PageHost::Pause(int ms) {
    val e = event("pause");
    e.set("ms", ms);
    send(e);
}

Rgb PageHost::SystemColor(SystemColorId id) { return ClassicSystemColor(id); }

void PageHost::SetClipboardText(const std::string& text) {
    val e = event("clipboard");
    e.set("text", text);
    send(e);
}

void PageHost::TimerChanged(const Timer& timer) {
    val e = event("timer");
    e.set("id", static_cast<int>(timer.Id));
    e.set("interval", timer.Interval);
    e.set("enabled", timer.Enabled);
    send(e);
}

bool PageHost::ShowSave(SaveDialog& dialog) {
    return AnswerSave(dialog, std::exchange(answer_, std::string()));
}

void PageHost::EndProgram() {
    ended_ = true;
    send(event("end"));
}

}  // namespace plotmere
