#pragma once
// One evaluation and everything it did, as one line of text: the value (or
// empty, or the failure), the flags, the memory, and every call to the host.

#include <sstream>
#include <string>

#include "expr/decimal_text.h"
#include "expr/eval_failure.h"
#include "expr/evaluator.h"
#include "expr/number_text.h"
#include "state/context.h"
#include "state/null_picture.h"

namespace plotmere::testing {

class LoggingHost : public Host {
public:
    void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) override {
        log << " | box " << title << ": " << text << (icon == MsgIcon::Exclamation ? " (!)" : "");
    }
    void Beep() override { log << " | beep"; }
    void DoEvents() override { log << " | events"; }
    void Pause(int ms) override { log << " | pause " << ms; }
    Rgb SystemColor(SystemColorId) override { return {}; }
    void SetClipboardText(const std::string& text) override { log << " | clipboard " << text; }
    void TimerChanged(const Timer& timer) override { log << " | timer " << timer.Enabled; }
    void StatusShown(const std::string& text) override { log << " | status " << text; }
    bool ShowSave(SaveDialog&) override { return false; }
    void EndProgram() override {}

    std::ostringstream log;
};

// What an evaluation starts from.
struct StartState {
    std::string caption = "3";
    std::string stored = "x^2";
    float mem = 1.5f;
    int degrees = 0;
    bool latched = false;

    // Reads "caption TEXT", "stored TEXT", "mem N", "degrees 0|1", "latched 0|1".
    bool set(const std::string& line) {
        const size_t space = line.find(' ');
        const std::string key = line.substr(0, space),
                          value = space == line.npos ? "" : line.substr(space + 1);
        if (key == "caption") caption = value;
        else if (key == "stored") stored = value;
        else if (key == "mem") mem = std::stof(value);
        else if (key == "degrees") degrees = std::stoi(value);
        else if (key == "latched") latched = value == "1";
        else return false;
        return true;
    }

    // The state as it starts, with the variables a = 2.5 and b = -4 stored.
    void apply(ConsoleState& s) const {
        s = ConsoleState();
        s.Result.Caption = caption;
        s.StoredFunction = stored;
        s.Mem = mem;
        s.Option1.Selected = degrees;
        if (latched) s.failEvaluation();
        s.MemTable[0] = {"a", 2.5f};
        s.MemTable[1] = {"b", -4};
        s.MemCount = 2;
    }
};

// The shortest text that reads back as the same double.
inline std::string exactly(double v) { return FormatShortest(v); }

// An evaluator in a world of its own. A script started from an expression is
// logged and, as a script's Evaluate does, clears the flags and shows a new
// result; one named "error" leaves EvalError set, as a last line 1/0 does.
struct EvaluationWorld : NestedCommands {
    EvaluationWorld() { evaluator.RunNestedScriptsThrough(*this); }
    void RunNestedScript(const std::string& command) override {
        host.log << " | script " << command;
        s.startCommand();
        if (command == "\"error\"") s.failEvaluation();
        s.Result.Caption = "5";
    }
    void EvaluateNested() override {}  // no script lines here

    std::string run(const std::string& text, double x) {
        std::ostringstream out;
        try {
            const Value v = evaluator.eval(text, x);
            out << (v ? "value " + exactly(*v) : std::string("empty"));
        } catch (const NestedTooDeeply&) {
            out << "too deep";
        } catch (const BeyondLimits& f) {
            out << "beyond limits " << f.what();
        } catch (const EvalFailure& f) {
            out << "failure " << f.what();
        }
        out << " flags " << s.EvalError() << s.CriticalError() << s.ScriptError();
        std::string memory;
        for (int i = 0; i < s.MemCount; ++i)
            memory += ' ' + s.MemTable[i].name + '=' + FormatSingle(s.MemTable[i].value);
        if (memory != " a=2.5 b=-4") out << " mem" << memory;  // only when it changed
        out << host.log.str();
        host.log.str("");
        return out.str();
    }

    ConsoleState s;
    LoggingHost host;
    NullPicture picture;
    Context ctx{s, host, picture};
    Evaluator evaluator{ctx};
};

}  // namespace plotmere::testing
