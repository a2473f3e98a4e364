// A pure program run for many x in one pass. Each instruction is dispatched
// once for all of them, which is what a long text spends most of its time on
// when run one x at a time. The arithmetic is the same as eval's, value for
// value; anything eval would report makes the whole pass give up.

#include <algorithm>
#include <vector>

#include "expr/arithmetic.h"
#include "expr/evaluator.h"
#include "expr/fifteen_digits.h"
#include "expr/power.h"

namespace plotmere {

// Kept from pass to pass, so that a graph's batches reuse the room; the
// evaluator is made and ended here, where the room is known.
struct Evaluator::BatchRoom {
    std::vector<double> x, stack;
};

Evaluator::Evaluator(Context& ctx) : ctx_(ctx), memory_(ctx), batch_(std::make_unique<BatchRoom>()) {}
Evaluator::~Evaluator() = default;

bool Evaluator::evalAll(const Program& program, std::span<const double> xs, std::span<double> values) {
    // As eval would run it: with room for every level, no latch set, and
    // inside a script started from an expression, with the command's budget
    // for each value (one that would run out goes one by one, to fail where
    // eval does).
    const std::size_t work = inScript_ > 0 ? xs.size() : 0;
    if (depth_ + 1 + program.maxLevel > MaxNestingLevels || ctx_.s.EvalError ||
        !scriptWork_.hasRoomFor(work)) {
        return false;
    }
    batch_->x.resize(xs.size());
    RoundAllTo15Digits(xs, batch_->x);
    batch_->stack.resize(static_cast<size_t>(program.stackSize) * xs.size());
    try {
        if (!runAll(program, values.first(xs.size()))) return false;
    } catch (const EvalFailure&) {
        return false;
    }
    scriptWork_.spend(work);
    return true;
}

// The sum that tells a result not finite is 0 in any order, so the web
// build's clang may vectorise its loop as GCC does without being told. Not
// for clang elsewhere: under the sanitizers it cannot, and says so.
#if defined(__EMSCRIPTEN__)
#define PLOTMERE_ANY_ORDER _Pragma("clang loop vectorize(enable)")
#else
#define PLOTMERE_ANY_ORDER
#endif

// Each step for all the values: acc[i] for the accumulators, x[i] and row[i]
// for x and the left operand of each. A left operand on the stack is popped
// before the step reads it. The plain operators run unchecked, so that the
// compiler can work on several values at once, and a result that is not
// finite gives the pass up after the step.
#define PLOTMERE_PREFIX(B, ...)                                                                      \
    case Op::B:                                                                                      \
        for (size_t i = 0; i < n; ++i) acc[i] = PrefixValue<Builtin::B>(acc[i], degrees, evalError); \
        break;
#define PLOTMERE_FORM(form, B, left, right)                                                            \
    case Op::form:                                                                                     \
        if (Op::form == Op::B##Stack) row -= n;                                                        \
        if constexpr (PlainInfix<Builtin::B>) {                                                        \
            double zeros = 0; /* stays 0 while every result is finite */                               \
            PLOTMERE_ANY_ORDER                                                                         \
            for (size_t i = 0; i < n; ++i) {                                                           \
                acc[i] = PlainInfixValue<Builtin::B>(left, right, evalError);                          \
                zeros += 0 * acc[i];                                                                   \
            }                                                                                          \
            if (zeros != 0) return false;                                                              \
        } else if (Builtin::B == Builtin::Pow &&                                                       \
                   (Op::form == Op::PowRhsConst || Op::form == Op::PowXConst) && (c == 2 || c == 3)) { \
            if (Op::form == Op::PowXConst) std::copy_n(x, n, acc.begin());                             \
            if (!power::PowersInPlace(acc, c)) return false;                                           \
        } else {                                                                                       \
            for (size_t i = 0; i < n; ++i) acc[i] = InfixValue<Builtin::B>(left, right, evalError);    \
        }                                                                                              \
        break;
#define PLOTMERE_INFIX(B, ...) PLOTMERE_INFIX_FORMS(PLOTMERE_FORM, B, row[i], acc[i], c, x[i])
#define PLOTMERE_EFFECT(name, ...) case Op::name:

// The accumulators are the values themselves; left operands lie on the stack
// one row of all the values per level.
bool Evaluator::runAll(const Program& p, std::span<double> acc) {
    const bool degrees = ctx_.s.InDegrees();
    const double* const x = batch_->x.data();
    const size_t n = acc.size();
    double* row = batch_->stack.data();  // the next free row
    bool evalError = false;
    for (const Instruction& in : p.code) {
        const double c = in.value;
        switch (in.op) {
            case Op::LoadX: std::copy_n(x, n, acc.begin()); break;
            case Op::LoadConst: std::fill(acc.begin(), acc.end(), c); break;
            case Op::PushLhs:
                std::copy(acc.begin(), acc.end(), row);
                row += n;
                break;
                PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_PREFIX)
                PLOTMERE_INFIX_OPERATORS(PLOTMERE_INFIX)
            case Op::CheckLatch: break;  // a latch set anywhere gives the pass up at its end
            case Op::End: return !evalError;
            case Op::Exit:  // only ever after an effect
                PLOTMERE_EFFECTS(PLOTMERE_EFFECT) return false;
        }
    }
    return false;
}

#undef PLOTMERE_ANY_ORDER
#undef PLOTMERE_PREFIX
#undef PLOTMERE_FORM
#undef PLOTMERE_INFIX
#undef PLOTMERE_EFFECT

}  // namespace plotmere
