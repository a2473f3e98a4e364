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
// left operands. Each infix operator comes in eight forms: its left operand on
// the stack (Stack), or the accumulator with a constant or x on the right
// (RhsConst, RhsX), or a constant or x on the left of the accumulator
// (LhsConst, LhsX), or no accumulator at all: x and a constant (XConst,
// ConstX), x and x (XX).
#define PLOTMERE_INFIX_FORMS(S) \
    S##Stack, S##RhsConst, S##RhsX, S##LhsConst, S##LhsX, S##XConst, S##ConstX, S##XX,

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
    PLOTMERE_INFIX_STEPS(PLOTMERE_INFIX_FORMS)
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
#undef PLOTMERE_INFIX_FORMS

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
    std::vector<std::string> texts;    // names and commands the instructions use
    std::vector<ResultGuard> guards;   // properly nested; inner ones later
    int stackSize = 0;                 // deepest stack of left operands
    int maxLevel = 0;                  // deepest level of any instruction
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
