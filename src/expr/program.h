#pragma once
// An expression text compiled once: the instructions that compute its value
// for any x, with every effect of the language (flags, messages, memory,
// scripts, "r", F) as an instruction run when it is reached.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "expr/builtins.h"

namespace plotmere {

// Parentheses, F calls and scripts started from an expression nest on the
// stack: this many levels (the top level and a thousand nested in it) at most.
inline constexpr int MaxNestingLevels = 1001;

// The instructions work on an accumulator, which may be empty, and a stack of
// left operands. A prefix function is one instruction of its name; an infix
// operator S comes in eight forms, listed here with their left and right
// operands as F(form, S, left, right): its left operand on the stack (Stack),
// or the accumulator with a constant or x on the right (RhsConst, RhsX), or a
// constant or x on the left of the accumulator (LhsConst, LhsX), or no
// accumulator at all: x and a constant (XConst, ConstX), x and x (XX). The
// operands are named by the arguments STACK, ACC, C (the instruction's
// constant) and X.
// clang-format off
#define PLOTMERE_INFIX_FORMS(F, S, STACK, ACC, C, X) \
    F(S##Stack,    S, STACK, ACC)                    \
    F(S##RhsConst, S, ACC,   C)                      \
    F(S##RhsX,     S, ACC,   X)                      \
    F(S##LhsConst, S, C,     ACC)                    \
    F(S##LhsX,     S, X,     ACC)                    \
    F(S##XConst,   S, X,     C)                      \
    F(S##ConstX,   S, C,     X)                      \
    F(S##XX,       S, X,     X)
// clang-format on
#define PLOTMERE_FORM_NAME(form, S, left, right) form,

// The instructions besides the arithmetic, one row each. The pure ones read
// nothing but x and change nothing: the accumulator becomes x (LoadX) or the
// instruction's value (LoadConst); the accumulator (empty as 0) goes onto the
// stack (PushLhs); exits end a block's reading early (Exit, and CheckLatch when
// EvalError is set): the accumulator becomes empty and the run goes on at arg,
// where the operators read so far are applied; the End.
#define PLOTMERE_PURE_INSTRUCTIONS(X) X(LoadX) X(LoadConst) X(PushLhs) X(Exit) X(CheckLatch) X(End)

// The effects show something, change the state or read more of it than x and
// the angle mode. Each row: the name, and whether it Never sets EvalError or
// MaySet it (then the step after it must look at the latch again).
// clang-format off
#define PLOTMERE_EFFECTS(X)                                                                                  \
    X(LoadMem,      Never)  /* m */                                                                          \
    X(LoadResult,   Never)  /* r: the Result caption as a number; when it is none, a message, exit to arg */ \
    X(LoadVariable, MaySet) /* $[name]: the variable texts[arg], or empty with the look-up's messages */     \
    X(StoredFn,     MaySet) /* F: the stored function at the accumulator */                                  \
    X(NoBracket,    MaySet) /* "$" without "]": EvalError, exit */                                           \
    X(NoCloseParen, Never)  /* "(" without its ")": the message, CriticalError, exit */                      \
    X(RunScript,    MaySet) /* the script command texts[arg] */                                              \
    X(MemStore,     MaySet) /* the store command texts[arg] */                                               \
    X(ExtraParen,   Never)  /* ")" where an operator belongs: the message, CriticalError */                  \
    X(Fail,         Never)  /* the run-time failure for the reason texts[arg] */                             \
    X(NestTooDeep,  Never)  /* the run-time failure of a nesting that can never fit */
// clang-format on

#define PLOTMERE_OP_NAME(name, ...) name,
#define PLOTMERE_INFIX_OP_NAMES(S, ...) PLOTMERE_INFIX_FORMS(PLOTMERE_FORM_NAME, S, , , , )
// clang-format off
enum class Op : std::uint8_t {
    PLOTMERE_PURE_INSTRUCTIONS(PLOTMERE_OP_NAME)
    PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_OP_NAME)
    PLOTMERE_INFIX_OPERATORS(PLOTMERE_INFIX_OP_NAMES)
    PLOTMERE_EFFECTS(PLOTMERE_OP_NAME)
};
// clang-format on
#undef PLOTMERE_OP_NAME
#undef PLOTMERE_INFIX_OP_NAMES

// Whether op is an effect, and one that may set EvalError.
constexpr bool IsEffect(Op op) {
    switch (op) {
#define PLOTMERE_EFFECT_CASE(name, rule) case Op::name:
        PLOTMERE_EFFECTS(PLOTMERE_EFFECT_CASE) return true;
#undef PLOTMERE_EFFECT_CASE
        default: return false;
    }
}
constexpr bool EffectMaySetEvalError(Op op) {
    switch (op) {
#define PLOTMERE_EFFECT_CASE(name, rule) \
    case Op::name: return EvalErrorRule::rule == EvalErrorRule::MaySet;
        PLOTMERE_EFFECTS(PLOTMERE_EFFECT_CASE)
#undef PLOTMERE_EFFECT_CASE
        default: return false;
    }
}

struct Instruction {
    Op op;
    std::uint16_t level = 0;  // parentheses around it: it runs that many levels deeper
    std::int32_t arg = 0;     // exit target, or index of a text
    double value = 0;         // constant
};

// The span of an "r": a failure inside it is reported as a bad "r" and the run
// goes on at marker with an empty value and the stack as it was at the "r".
struct ResultGuard {
    std::int32_t start, marker;
    std::int32_t stackDepth;
};

struct Program {
    std::string text;
    std::vector<Instruction> code;
    std::vector<std::string> texts;   // names and commands the instructions use
    std::vector<ResultGuard> guards;  // properly nested; inner ones later
    int stackSize = 0;                // deepest stack of left operands
    int maxLevel = 0;                 // deepest level of any instruction
    // No effect and nothing read but x and the angle mode: run again at the
    // same x, it does exactly the same.
    bool pure = true;

    std::size_t bytes() const;
    // The innermost guard whose span holds pc, if any.
    const ResultGuard* guardAt(std::int32_t pc) const;
};

// Reads the text once, exactly as the language defines it, into its program.
std::shared_ptr<Program> Compile(std::string_view text);

}  // namespace plotmere
