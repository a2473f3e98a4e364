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
// left operands. Each infix operator S comes in eight forms, listed here with
// their left and right operands as F(form, S, left, right): its left operand
// on the stack (Stack), or the accumulator with a constant or x on the right
// (RhsConst, RhsX), or a constant or x on the left of the accumulator
// (LhsConst, LhsX), or no accumulator at all: x and a constant (XConst,
// ConstX), x and x (XX). The operands are named by the arguments STACK, ACC,
// C (the instruction's constant) and X.
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

enum class Op : std::uint8_t {
    // Operands: the accumulator becomes the value.
    LoadX,
    LoadConst,     // value
    LoadMem,       // m
    LoadResult,    // r: the Result caption as a number; when it is none, a message and an exit to arg
    LoadVariable,  // $[name]: the stored variable texts[arg], or empty with the look-up's messages
    PushLhs,       // the accumulator (empty as 0) onto the stack
#define PLOTMERE_OP(S) S,
    PLOTMERE_PREFIX_STEPS(PLOTMERE_OP)
#undef PLOTMERE_OP
        StoredFn,  // F: the stored function at the accumulator
#define PLOTMERE_OP(S) PLOTMERE_INFIX_FORMS(PLOTMERE_FORM_NAME, S, , , , )
    PLOTMERE_INFIX_STEPS(PLOTMERE_OP)
#undef PLOTMERE_OP
    // Exits end a block's reading early: the accumulator becomes empty and the
    // run goes on at arg, where the operators read so far are applied.
    Exit,
    CheckLatch,    // exit when EvalError is set
    NoBracket,     // "$" without "]": EvalError, exit
    NoCloseParen,  // "(" without its ")": the message, CriticalError, exit
    // Effects.
    RunScript,    // the script command texts[arg]
    MemStore,     // the store command texts[arg]
    ExtraParen,   // ")" where an operator belongs: the message, CriticalError
    Fail,         // the run-time failure for the reason texts[arg]
    NestTooDeep,  // the run-time failure of a nesting that can never fit
    End,
};

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
