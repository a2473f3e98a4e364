// The compiled evaluator beside the one it replaces, over random texts of the
// whole token set: value, emptiness, failure, every flag, the memory and every
// call to the host must agree, in order. Usage: differential_check [COUNT [SEED]].

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "differential/legacy_evaluator.h"
#include "expr/eval_failure.h"
#include "expr/evaluator.h"
#include "expr/number_text.h"

namespace plotmere::testing {
namespace {

// Logs every call, one line each.
class LoggingHost : public Host {
public:
    void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) override {
        log << "box " << title << '|' << text << '|' << static_cast<int>(icon) << '\n';
    }
    void Beep() override { log << "beep\n"; }
    void DoEvents() override { log << "events\n"; }
    void Pause(int ms) override { log << "pause " << ms << '\n'; }
    Rgb SystemColor(SystemColorId) override { return {}; }
    void SetClipboardText(const std::string& text) override { log << "clipboard " << text << '\n'; }
    void TimerChanged(const Timer& timer) override { log << "timer " << timer.Enabled << '\n'; }
    void StatusShown(const std::string& text) override { log << "status " << text << '\n'; }
    bool ShowSave(SaveDialog&) override { return false; }
    void EndProgram() override {}

    std::ostringstream log;
};

class NoPicture : public Picture {
public:
    void Cls() override {}
    void Line(float, float, float, float, Rgb) override {}
    void PSet(float, float, Rgb) override {}
    void SetBackColor(Rgb) override {}
    void ClearBackgroundPicture() override {}
    double ScaleWidth() const override { return 4110; }
    double ScaleHeight() const override { return 1850; }
    bool SaveBmp(const std::string&) override { return false; }
};

// One world: its own state and host, and an evaluator of either kind. A script
// started from an expression is logged and, as a script's Evaluate does,
// clears the flags and shows a new result.
template <class Eval>
struct World {
    World() {
        evaluator.SetScriptRunner([this](const std::string& command) {
            host.log << "script " << command << '\n';
            s.EvalError = s.CriticalError = s.ScriptError = false;
            s.Result.Caption = "5";
        });
    }
    ConsoleState s;
    LoggingHost host;
    NoPicture picture;
    Context ctx{s, host, picture};
    Eval evaluator{ctx};

    // What one evaluation did, as one text.
    std::string run(const std::string& text, double x) {
        std::ostringstream out;
        try {
            const Value v = evaluator.eval(text, x);
            out << "value " << (v ? FormatDouble(*v) + "/" + std::to_string(*v) : "empty");
        } catch (const NestedTooDeeply& f) {
            out << "too deep " << f.what();
        } catch (const EvalFailure& f) {
            out << "failure " << f.what();
        }
        out << " flags " << s.EvalError << s.CriticalError << s.ScriptError << s.ScriptMode << " mem " << s.MemCount;
        for (int i = 0; i < s.MemCount; ++i) out << ' ' << s.MemNames[i] << '=' << s.MemValues[i];
        out << " status " << s.Status.Caption << '\n' << host.log.str();
        host.log.str("");
        return out.str();
    }
};

const char* const pieces[] = {
    "x", "p", "e", "m", "r", "+", "-", "*", "/", "^", "E", "=", ">", "<", "S", "C", "T", "A", "AT", "AS", "AC", "L",
    "R", "I", "!", "F", "(", ")", "(", ")", "~", "0", "1", "2", "3", "9", ".", "5", "1E300", "1E-300", "$[a]", "$[b]",
    "$[zz]", "$[", "]", "$]", "#[a]", "#[c]", "#", "\"s1\"", "\"", "Q", " ", "0.5", "170", "171", "32768", "2.5",
};

std::string randomText(std::mt19937& random, int maxPieces) {
    std::string text;
    const int n = static_cast<int>(random() % static_cast<unsigned>(maxPieces + 1));
    for (int i = 0; i < n; ++i) text += pieces[random() % std::size(pieces)];
    return text;
}

// The same random start in both worlds.
template <class A, class B>
void prepare(World<A>& a, World<B>& b, std::mt19937& random) {
    const char* const captions[] = {"3", "-2.5", "1E+300", "abc", "", "0", "7.5E-05"};
    const std::string caption = captions[random() % std::size(captions)];
    const float mem = static_cast<float>(static_cast<int>(random() % 7) - 3) / 2;
    const std::string stored = random() % 4 == 0 ? "F(x+1)" : randomText(random, 6);
    const int degrees = static_cast<int>(random() % 2);
    const bool latched = random() % 16 == 0;
    for (ConsoleState* s : {&a.s, &b.s}) {
        *s = ConsoleState();
        s->Result.Caption = caption;
        s->Mem = mem;
        s->StoredFunction = stored;
        s->Option1.Selected = degrees;
        s->EvalError = latched;
        s->MemNames[0] = "a";
        s->MemValues[0] = 2.5f;
        s->MemNames[1] = "b";
        s->MemValues[1] = -4;
        s->MemCount = 2;
    }
}

}  // namespace
}  // namespace plotmere::testing

int main(int argc, char** argv) {
    using namespace plotmere::testing;
    const long count = argc > 1 ? std::atol(argv[1]) : 1000000;
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1u);
    const double xs[] = {0, 1, -2.5, 3, 0.1 + 0.2, 1e300, -1e-7, 170, 0.5};
    World<plotmere::testing::LegacyEvaluator> legacy;
    World<plotmere::Evaluator> compiled;
    long differences = 0;
    for (long i = 0; i < count; ++i) {
        prepare(legacy, compiled, random);
        const std::string text = randomText(random, 24);
        for (int sample = 0; sample < 3; ++sample) {
            const double x = xs[random() % std::size(xs)];
            const std::string expected = legacy.run(text, x), got = compiled.run(text, x);
            if (expected != got && ++differences <= 10) {
                std::printf("text [%s] x=%g\n--- legacy\n%s--- compiled\n%s\n", text.c_str(), x, expected.c_str(),
                            got.c_str());
            }
        }
    }
    std::printf("%ld texts, %ld differences\n", count, differences);
    return differences == 0 ? 0 : 1;
}
