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
    if (depth_ + 1 + program.maxLevel > MaxNestingLevels || ctx_.s.EvalError() ||
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

namespace {

// What the steps of one pass share: the accumulators, which are the values
// themselves, x, and the next free row of the stack, where the left operands
// lie one row of all the values per level.
struct Pass {
    std::span<double> acc;
    const double* x;
    double* row;
    bool degrees;
};

// The step of op for all the values of a pass; false where the pass stops:
// at its end, or where it gives up because eval would fail or set a flag for
// some value. Each step is a function of its own, called through a table
// that keeps optimisers from folding them into one: WebAssembly's engines
// compile a function fully once it has run for a while, and so soon have the
// few steps a long text repeats compiled fully, rather than the whole runner
// only after a long while. What is left is effects, which give the pass up,
// and exits, which come only after an effect.
template <Op op>
bool step(Pass&, double) {
    static_assert(IsEffect(op) || op == Op::Exit);
    return false;
}

template <>
bool step<Op::LoadX>(Pass& pass, double) {
    std::copy_n(pass.x, pass.acc.size(), pass.acc.begin());
    return true;
}

template <>
bool step<Op::LoadConst>(Pass& pass, double c) {
    std::fill(pass.acc.begin(), pass.acc.end(), c);
    return true;
}

template <>
bool step<Op::PushLhs>(Pass& pass, double) {
    pass.row = std::copy(pass.acc.begin(), pass.acc.end(), pass.row);
    return true;
}

// A latch set anywhere gives the pass up where it is set.
template <>
bool step<Op::CheckLatch>(Pass&, double) {
    return true;
}

template <>
bool step<Op::End>(Pass&, double) {
    return false;
}

// The sum that tells a result not finite is 0 in any order, so the web
// build's clang may vectorise its loop as GCC does without being told. Not
// for clang elsewhere: under the sanitizers it cannot, and says so.
#if defined(__EMSCRIPTEN__)
#define PLOTMERE_ANY_ORDER _Pragma("clang loop vectorize(enable)")
#else
#define PLOTMERE_ANY_ORDER
#endif

#define PLOTMERE_PREFIX(B, ...)                                                        \
    template <>                                                                        \
    bool step<Op::B>(Pass & pass, double) {                                            \
        const bool degrees = pass.degrees;                                             \
        bool evalError = false;                                                        \
        for (double& a : pass.acc) a = PrefixValue<Builtin::B>(a, degrees, evalError); \
        return !evalError;                                                             \
    }
// x[i] and row[i] are x and the left operand of acc[i]. A left operand on the
// stack is popped before the step reads it. The plain operators run
// unchecked, so that the compiler can work on several values at once, and a
// result that is not finite gives the pass up after the step.
#define PLOTMERE_FORM(form, B, left, right)                                                            \
    template <>                                                                                        \
    bool step<Op::form>(Pass & pass, [[maybe_unused]] double c) {                                      \
        if (Op::form == Op::B##Stack) pass.row -= pass.acc.size();                                     \
        const std::span<double> acc = pass.acc;                                                        \
        [[maybe_unused]] const double *const x = pass.x, *const row = pass.row;                        \
        const size_t n = acc.size();                                                                   \
        bool evalError = false;                                                                        \
        if constexpr (PlainInfix<Builtin::B>) {                                                        \
            double zeros = 0; /* stays 0 while every result is finite */                               \
            PLOTMERE_ANY_ORDER                                                                         \
            for (size_t i = 0; i < n; ++i) {                                                           \
                acc[i] = PlainInfixValue<Builtin::B>(left, right, evalError);                          \
                zeros += 0 * acc[i];                                                                   \
            }                                                                                          \
            return zeros == 0 && !evalError;                                                           \
        } else if (Builtin::B == Builtin::Pow &&                                                       \
                   (Op::form == Op::PowRhsConst || Op::form == Op::PowXConst) && (c == 2 || c == 3)) { \
            if (Op::form == Op::PowXConst) std::copy_n(x, n, acc.begin());                             \
            return power::PowersInPlace(acc, c);                                                       \
        } else {                                                                                       \
            for (size_t i = 0; i < n; ++i) acc[i] = InfixValue<Builtin::B>(left, right, evalError);    \
            return !evalError;                                                                         \
        }                                                                                              \
    }
#define PLOTMERE_INFIX(B, ...) PLOTMERE_INFIX_FORMS(PLOTMERE_FORM, B, row[i], acc[i], c, x[i])
PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_PREFIX)
PLOTMERE_INFIX_OPERATORS(PLOTMERE_INFIX)
#undef PLOTMERE_ANY_ORDER
#undef PLOTMERE_PREFIX
#undef PLOTMERE_FORM
#undef PLOTMERE_INFIX

using Step = bool (*)(Pass&, double);
struct StepOf {
    Op op;
    Step run;
};
#define PLOTMERE_STEP(name, ...) StepOf{Op::name, &step<Op::name>},
#define PLOTMERE_INFIX_STEPS(B, ...) PLOTMERE_INFIX_FORMS(PLOTMERE_STEP, B, , , , )
// clang-format off
constexpr StepOf steps[] = {
    PLOTMERE_PURE_INSTRUCTIONS(PLOTMERE_STEP)
    PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_STEP)
    PLOTMERE_INFIX_OPERATORS(PLOTMERE_INFIX_STEPS)
    PLOTMERE_EFFECTS(PLOTMERE_STEP)
};
// clang-format on
#undef PLOTMERE_STEP
#undef PLOTMERE_INFIX_STEPS
static_assert(
    [] {
        for (std::size_t i = 0; i < std::size(steps); ++i) {
            if (steps[i].op != static_cast<Op>(i)) return false;
        }
        return true;
    }(),
    "the steps in the order of Op");

}  // namespace

bool Evaluator::runAll(const Program& p, std::span<double> values) {
    Pass pass{values, batch_->x.data(), batch_->stack.data(), ctx_.s.InDegrees()};
    for (const Instruction& in : p.code) {
        if (!steps[static_cast<std::size_t>(in.op)].run(pass, in.value)) return in.op == Op::End;
    }
    return false;
}

}  // namespace plotmere
