#include "expr/evaluator.h"

#include <cstdint>
#include <vector>

#include "expr/arithmetic.h"
#include "expr/bit_cast.h"
#include "expr/eval_failure.h"
#include "expr/fifteen_digits.h"
#include "expr/number_text.h"

namespace plotmere {

namespace {

// Counts a call as running for its scope's life.
class Inside {
public:
    explicit Inside(int& count) : count_(count) { ++count_; }
    ~Inside() { --count_; }
    Inside(const Inside&) = delete;
    Inside& operator=(const Inside&) = delete;

private:
    int& count_;
};

}  // namespace

// The integral and parametric curves evaluate twice at each x. Compared bit
// for bit: -0 is not 0 here.
double Evaluator::roundedX(double X) {
    if (BitCast<std::uint64_t>(X) != BitCast<std::uint64_t>(lastX_)) {
        lastX_ = X;
        lastRounded_ = RoundTo15Digits(X);
    }
    return lastRounded_;
}

// An evaluation that meets EvalError set ends at once, empty.
inline double Evaluator::run(const Program& p, double x, bool& empty) {
    if (depth_ == 0) callWork_.renew();  // a new evaluation, not one inside another
    if (inScript_ > 0) scriptWork_.spend(1 + newMessages() * ScriptCosts::Message);
    const Nesting level(*this, 1);
    empty = true;
    if (ctx_.s.EvalError()) return 0;
    const bool tracked = depth_ + p.maxLevel > MaxNestingLevels, guarded = !p.guards.empty();
    auto execute = [&](double* stack) {
        if (tracked) {
            return guarded ? this->execute<true, true>(p, x, stack, empty)
                           : this->execute<true, false>(p, x, stack, empty);
        }
        return guarded ? this->execute<false, true>(p, x, stack, empty)
                       : this->execute<false, false>(p, x, stack, empty);
    };
    constexpr int LocalStack = 16;
    if (p.stackSize <= LocalStack) {
        double stack[LocalStack];
        return execute(stack);
    }
    std::vector<double> stack(static_cast<size_t>(p.stackSize));
    return execute(stack.data());
}

inline Value Evaluator::run(const Program& p, double x) {
    bool empty;
    const double value = run(p, x, empty);
    return empty ? Value() : Value(value);
}

Value Evaluator::eval(std::string_view fstr, double X) {
    const double x = roundedX(X);
    return run(*cache_.Get(fstr), x);
}

Value Evaluator::eval(const Program& program, double X) { return run(program, roundedX(X)); }

Value Evaluator::eval(std::string_view fstr, std::string_view Xtext) {
    const double x = LeadingNumber(Xtext);
    return run(*cache_.Get(fstr), x);
}

// The arithmetic steps, each with its result in the accumulator.
#define PLOTMERE_PREFIX(B, ...)                                                         \
    case Op::B:                                                                         \
        acc = PrefixValue<Builtin::B>(acc, s.InDegrees(), s.evalErrorOfGuardedSteps()); \
        empty = false;                                                                  \
        break;
#define PLOTMERE_FORM(form, B, left, right)                                     \
    case Op::form:                                                              \
        acc = InfixValue<Builtin::B>(left, right, s.evalErrorOfGuardedSteps()); \
        empty = false;                                                          \
        break;
#define PLOTMERE_INFIX(B, ...) PLOTMERE_INFIX_FORMS(PLOTMERE_FORM, B, stack[--sp], acc, in.value, x)

// The instructions in order, with the accumulator and the empty mark in
// locals and the left operands on stack. A failure inside the span of an "r"
// is reported there and the run goes on at the guard's marker; any other
// leaves. A program with no "r" catches nothing, so that a failure deep in F
// passes every level at once instead of being caught and thrown again at each.
template <bool Tracked, bool Guarded>
double Evaluator::execute(const Program& p, double x, double* stack, bool& resultEmpty) {
    ConsoleState& s = ctx_.s;
    const int base = depth_;
    const int room = MaxNestingLevels - base;  // the deepest level that fits
    int sp = 0;
    double acc = 0;
    bool empty = false;
    const Instruction* const code = p.code.data();
    const Instruction* ip = code;
    auto exit = [&](std::int32_t target) {
        acc = 0;
        empty = true;
        ip = code + target;
    };
    auto steps = [&]() __attribute__((always_inline)) {
        for (;;) {
            const Instruction& in = *ip++;
            if constexpr (Tracked) {
                if (in.level > room) throw NestedTooDeeply();
            }
            switch (in.op) {
                case Op::LoadX: acc = x; break;
                case Op::LoadConst: acc = in.value; break;
                case Op::LoadMem: acc = static_cast<double>(s.Mem); break;
                case Op::LoadResult:
                    if (const auto shown = ParseNumber(s.Result.Caption)) {
                        acc = *shown;
                    } else {
                        reportResultNotNumber();
                        exit(in.arg);
                    }
                    break;
                case Op::LoadVariable: {
                    const auto stored = memory_.MemLookup(p.texts[static_cast<size_t>(in.arg)]);
                    acc = stored ? *stored : 0;
                    empty = !stored;
                    break;
                }
                case Op::PushLhs:
                    stack[sp++] = acc;
                    empty = false;
                    break;
                    PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_PREFIX)
                case Op::StoredFn:
                    acc = storedFunction(acc, base + in.level);
                    empty = false;
                    break;
                    PLOTMERE_INFIX_OPERATORS(PLOTMERE_INFIX)
                case Op::Exit: exit(in.arg); break;
                case Op::CheckLatch:
                    if (s.EvalError()) exit(in.arg);
                    break;
                case Op::NoBracket:
                    s.failEvaluation();
                    exit(in.arg);
                    break;
                case Op::NoCloseParen:
                    parenthesesError("Parentheses Error:  ) not found.");
                    s.failParentheses();
                    exit(in.arg);
                    break;
                case Op::RunScript:
                case Op::MemStore:
                case Op::ExtraParen: acc = sideEffect(p, in, base, acc); break;
                case Op::Fail: throw EvalFailure(p.texts[static_cast<size_t>(in.arg)]);
                case Op::NestTooDeep: throw NestedTooDeeply();
                case Op::End: resultEmpty = empty; return acc;
            }
        }
    };
    if constexpr (!Guarded) {
        return steps();
    } else {
        for (;;) {
            try {
                return steps();
            } catch (const BeyondLimits&) {
                throw;
            } catch (const EvalFailure&) {
                const ResultGuard* guard = p.guardAt(static_cast<std::int32_t>(ip - code - 1));
                if (!guard) throw;
                // Caught inside F, a failure lets F be called again: that work counts.
                if (inStoredFunction_ > 0) callWork_.spend(CallCosts::CaughtFailure);
                reportResultNotNumber();
                sp = guard->stackDepth;
                exit(guard->marker);
            }
        }
    }
}

#undef PLOTMERE_PREFIX
#undef PLOTMERE_FORM
#undef PLOTMERE_INFIX

// The effects that leave the accumulator as it was. Passing it through, rather
// than keeping it across the call, lets the loop keep it in a register.
double Evaluator::sideEffect(const Program& p, const Instruction& in, int base, double acc) {
    if (in.op == Op::RunScript) {
        runScript(p.texts[static_cast<size_t>(in.arg)], base + in.level);
    } else if (in.op == Op::MemStore) {
        memory_.MemStore(p.texts[static_cast<size_t>(in.arg)]);
    } else {
        parenthesesError("Parentheses Error: Extra )");
        ctx_.s.failParentheses();
    }
    return acc;
}

// Calls out with the levels in use set to those of the calling instruction.
template <class Call>
auto Evaluator::atDepth(int depth, Call&& call) {
    struct Restore {
        int& depth;
        int saved;
        ~Restore() { depth = saved; }
    } restore{depth_, depth_};
    depth_ = depth;
    return call();
}

// F: the stored function at a (rounded as x is), run from the level of depth.
double Evaluator::storedFunction(double a, int depth) {
    const Compiled stored = cache_.Get(ctx_.s.StoredFunction);
    callWork_.spend(stored->code.size());
    const Inside inside(inStoredFunction_);
    return atDepth(depth, [&] {
        bool empty;
        return run(*stored, RoundTo15Digits(a), empty);  // 0 when empty
    });
}

void Evaluator::runScript(const std::string& command, int depth) {
    if (!nested_) return;
    scriptWork_.spend(ScriptCosts::Start);
    if (inScript_ == 0) messagesCounted_ = ctx_.messagesShown;  // the ones before are not its work
    const Inside inside(inScript_);
    atDepth(depth, [&] { nested_->RunNestedScript(command); });
}

std::size_t Evaluator::newMessages() {
    const std::size_t shown = ctx_.messagesShown - messagesCounted_;
    messagesCounted_ = ctx_.messagesShown;
    return shown;
}

void Evaluator::parenthesesError(const char* text) {
    ctx_.host.Beep();
    ctx_.host.Beep();
    ctx_.MsgBox(text, "Not so fast", MsgIcon::Exclamation);
}

void Evaluator::reportResultNotNumber() { ctx_.MsgBox("r input from result window is not a number."); }

}  // namespace plotmere
