// The evaluator as it was before programs: the reference the compiled
// evaluator is checked against, kept only while that check is needed.

#include "differential/legacy_evaluator.h"

#include <algorithm>
#include <cstring>
#include <numbers>

#include "expr/eval_failure.h"
#include "expr/number_text.h"
#include "expr/scanning.h"

namespace plotmere::testing {

namespace {

// The top level and a thousand levels nested in it. Deeper ends with the
// run-time failure instead of exhausting the stack.
constexpr int MaxLevels = 1001;
// Enough for the ten slots, the bounds and a script line to stay prepared
// through a redraw, bounded in bytes whatever texts arrive.
constexpr size_t MaxCachedTexts = 8;
constexpr size_t MaxCachedBytes = size_t{4} << 20;
constexpr double e_constant = 2.718282;

bool isNumberChar(char c) { return c == '.' || (c >= '0' && c <= '9'); }

}  // namespace

const LegacyEvaluator::Operand LegacyEvaluator::EndOfStep{std::nullopt, 0, true};

LegacyEvaluator::Nesting::Nesting(LegacyEvaluator& ev, int levels) : depth_(ev.depth_), levels_(levels) {
    if (depth_ + levels > MaxLevels) throw NestedTooDeeply();
    depth_ += levels;
}

Value LegacyEvaluator::eval(std::string_view fstr, double X) {
    // The integral and parametric curves evaluate twice at each x.
    if (X != lastX_) {
        lastX_ = X;
        lastRounded_ = RoundTo15Digits(X);
    }
    return evalTop(fstr, lastRounded_);
}

Value LegacyEvaluator::eval(std::string_view fstr, std::string_view Xtext) {
    return evalTop(fstr, LeadingNumber(Xtext));
}

Value LegacyEvaluator::evalTop(std::string_view fstr, double x) {
    const PreparedRef p = prepare(fstr);
    return run(*p, 0, p->text.size(), x);
}

LegacyEvaluator::PreparedRef LegacyEvaluator::prepare(std::string_view text) {
    for (const auto& entry : cache_) {
        if (entry->text == text) return entry;
    }
    auto entry = std::make_shared<Prepared>(Prepared{std::string(text), MatchingParens(text)});
    cache_.push_back(entry);
    auto bytes = [](const PreparedRef& p) { return p->text.size() + p->match.size() * sizeof(int); };
    size_t total = 0;
    for (const auto& kept : cache_) total += bytes(kept);
    // The oldest go first; the new one may go at once, kept alive by its caller.
    while (!cache_.empty() && (cache_.size() > MaxCachedTexts || total > MaxCachedBytes)) {
        total -= bytes(cache_.front());
        cache_.erase(cache_.begin());
    }
    return entry;
}

Value LegacyEvaluator::run(const Prepared& p, size_t b, size_t e, double x) {
    const Nesting level(*this, 1);
    const size_t base = frames_.size();
    Value v;
    bool descending = true;
    for (;;) {
        try {
            if (descending) v = descend(p, b, e, x);
            descending = false;
            fold(base, v);
            return v;
        } catch (const NestedTooDeeply&) {
            frames_.resize(base);
            throw;
        } catch (const EvalFailure&) {
            if (!unwindToResultGuard(base)) throw;
            reportResultNotNumber();
            v.reset();
            descending = false;
        }
    }
}

// Walks the text from left to right as the recursive definition does: each
// prefix function and each operator leaves a frame to be applied, innermost
// first, once the end of the text is reached.
Value LegacyEvaluator::descend(const Prepared& p, size_t b, size_t e, double x) {
    const std::string_view t = p.text;
    for (;;) {
        if (ctx_.s.EvalError) return std::nullopt;
        const size_t L = e - b;
        const char c1 = L > 0 ? t[b] : '\0';
        const char c2 = L > 1 ? t[b + 1] : '\0';
        if (L > 0 && c1 == '"') {
            if (runScript_) runScript_(std::string(t.substr(b, L)));
            return std::nullopt;
        }
        if (L > 0 && c1 == '#') {
            memory_.MemStore(t.substr(b, L));
            return std::nullopt;
        }
        Prefix prefix{};
        if (L > 0 && FindPrefix(c1, c2, prefix)) {
            frames_.push_back({prefix.step, 0});
            b += static_cast<size_t>(prefix.length);
            continue;
        }
        const Operand first = operand(p, b, e, x);
        if (first.endsStep) return first.value;
        size_t opAt = b + first.length;
        if (opAt < e && t[opAt] == ')') {
            parenthesesError("Parentheses Error: Extra )");
            ctx_.s.CriticalError = true;
            ++opAt;
        }
        if (opAt >= e) return first.value;
        const Step step = InfixStep(t[opAt]);
        frames_.push_back({step, num(first.value)});
        // The right side takes at most L-2 (operator) or L-1 (implicit product)
        // characters, which drops the last one when the operand was empty.
        const size_t start = step == Step::ImplicitMul ? opAt : opAt + 1;
        const size_t limit = step == Step::ImplicitMul ? L - 1 : (L >= 2 ? L - 2 : 0);
        b = start;
        e = start + std::min(limit, e - start);
    }
}

// Reads the operand at the start of the text [b, e).
LegacyEvaluator::Operand LegacyEvaluator::operand(const Prepared& p, size_t b, size_t e, double x) {
    const std::string_view t = p.text;
    switch (b < e ? t[b] : '\0') {
        case 'x': return {x, 1};
        case 'p': return {std::numbers::pi, 1};
        case 'e': return {e_constant, 1};
        case 'm': return {static_cast<double>(ctx_.s.Mem), 1};
        case 'r': {
            auto shown = ParseNumber(ctx_.s.Result.Caption);
            if (!shown) {
                reportResultNotNumber();
                return EndOfStep;
            }
            frames_.push_back({Step::ResultGuard, 0});
            return {*shown, 1};
        }
        case '$': {
            const void* close = std::memchr(t.data() + b, ']', e - b);
            if (!close) {
                ctx_.s.EvalError = true;
                return EndOfStep;
            }
            const size_t at = static_cast<size_t>(static_cast<const char*>(close) - t.data());
            if (at < b + 2) throw EvalFailure("Invalid argument");
            auto stored = memory_.MemLookup(t.substr(b + 2, at - b - 2));
            return {stored ? Value(*stored) : std::nullopt, at - b + 1};
        }
        case '(': {
            const int close = p.match[b];
            if (close < 0 || static_cast<size_t>(close) >= e) {
                parenthesesError("Parentheses Error:  ) not found.");
                ctx_.s.CriticalError = true;
                return EndOfStep;
            }
            const auto end = static_cast<size_t>(close);
            return {run(p, b + 1, end, x), end - b + 1};
        }
        default: {
            size_t n = 0;
            while (b + n < e && isNumberChar(t[b + n])) ++n;
            return {n == 0 ? 0.0 : LeadingNumber(t.substr(b, n)), n};
        }
    }
}

void LegacyEvaluator::fold(size_t base, Value& v) {
    while (frames_.size() > base) {
        const Frame f = frames_.back();
        frames_.pop_back();
        if (f.step != Step::ResultGuard) v = apply(f, num(v));
    }
}

double LegacyEvaluator::apply(const Frame& f, double a) {
    ConsoleState& s = ctx_.s;
    if (f.step == Step::StoredFn) {
        const PreparedRef stored = prepare(s.StoredFunction);
        return num(run(*stored, 0, stored->text.size(), RoundTo15Digits(a)));
    }
    if (IsPrefix(f.step)) return Checked(ApplyPrefix(f.step, a, s.Option1.Value(1), s.EvalError));
    return ApplyInfix(f.step, f.lhs, a, s.EvalError);
}

// A failure inside the step of an "r" is reported there; without one it goes on
// to the caller.
bool LegacyEvaluator::unwindToResultGuard(size_t base) {
    for (size_t i = frames_.size(); i > base; --i) {
        if (frames_[i - 1].step == Step::ResultGuard) {
            frames_.resize(i - 1);
            return true;
        }
    }
    frames_.resize(base);
    return false;
}

void LegacyEvaluator::parenthesesError(const char* text) {
    ctx_.host.Beep();
    ctx_.host.Beep();
    ctx_.MsgBox(text, "Not so fast", MsgIcon::Exclamation);
}

void LegacyEvaluator::reportResultNotNumber() { ctx_.MsgBox("r input from result window is not a number."); }

}  // namespace plotmere::testing
