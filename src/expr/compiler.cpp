// The one reader of the expression language. It walks a text as the language
// defines it, block by block (a block is the whole text or the inside of a pair
// of parentheses): each step is a prefix function, or an operand and the
// operator after it, whose right side is the rest of the block, shortened as
// the language shortens it. The operators read are applied once the block's
// reading ends, innermost first.

#include <algorithm>
#include <numbers>
#include <optional>

#include "expr/eval_failure.h"
#include "expr/number_text.h"
#include "expr/program.h"
#include "expr/scanning.h"

namespace plotmere {

namespace {

constexpr double e_constant = 2.718282;

bool isNumberChar(char c) { return c == '.' || (c >= '0' && c <= '9'); }

enum class Lhs { Stack, Const, X };

// An operator read and not yet applied.
struct Frame {
    enum class Kind { Prefix, Infix, Guard } kind;
    Builtin builtin{};
    Lhs lhs = Lhs::Stack;
    double lhsValue = 0;
    int guard = -1;
};

// An exit and how many frames of its block had been read when it was taken.
struct PendingExit {
    std::int32_t pc;
    size_t frames;
};

Op prefixOp(Builtin fn) {
    switch (fn) {
#define PLOTMERE_CASE(name, ...) \
    case Builtin::name: return Op::name;
        PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_CASE)
#undef PLOTMERE_CASE
        default: return Op::StoredFn;
    }
}

// The forms of an infix operator, in the order of Op.
enum InfixForm { PLOTMERE_INFIX_FORMS(PLOTMERE_FORM_NAME, , , , , ) };

Op infixOp(Builtin op, InfixForm form) {
    switch (op) {
#define PLOTMERE_CASE(name, ...) \
    case Builtin::name: return static_cast<Op>(static_cast<int>(Op::name##Stack) + form);
        PLOTMERE_INFIX_OPERATORS(PLOTMERE_CASE)
#undef PLOTMERE_CASE
        default: return static_cast<Op>(static_cast<int>(Op::MulStack) + form);  // implicit product
    }
}

class Compiler {
public:
    explicit Compiler(std::string_view text)
        : t_(text), match_(MatchingParens(text)), p_(std::make_shared<Program>()) {
        p_->text = text;
    }

    std::shared_ptr<Program> compile() {
        block(0, t_.size(), 0);
        emit(Op::End, 0);
        return p_;
    }

private:
    void block(size_t b, size_t e, int level);
    // Reads the operand at b; its length, or nothing when the block's reading
    // stops there.
    std::optional<size_t> operand(size_t b, size_t e, int level, std::vector<Frame>& frames,
                                  std::vector<PendingExit>& exits);
    void pushInfix(Builtin op, int level, std::vector<Frame>& frames);
    void applyPending(const std::vector<Frame>& frames, std::vector<PendingExit>& exits, int level);
    void applyPrefix(Builtin fn, int level);
    const Instruction* simpleRhs(Lhs lhs) const;
    template <class Compute>
    bool foldIntoLastConst(Compute&& compute);
    void applyInfix(const Frame& f, int level);

    std::int32_t emit(Op op, int level, std::int32_t arg = 0, double value = 0) {
        p_->pure = p_->pure && !IsEffect(op);
        latchDirty_ = latchDirty_ || EffectMaySetEvalError(op);
        p_->code.push_back({op, static_cast<std::uint16_t>(level), arg, value});
        p_->maxLevel = std::max(p_->maxLevel, level);
        return static_cast<std::int32_t>(p_->code.size() - 1);
    }
    std::int32_t text(std::string_view s) {
        p_->texts.emplace_back(s);
        return static_cast<std::int32_t>(p_->texts.size() - 1);
    }
    std::int32_t here() const { return static_cast<std::int32_t>(p_->code.size()); }
    void resolve(std::int32_t pc, std::int32_t target) {
        p_->code[static_cast<size_t>(pc)].arg = target;
        lastTarget_ = std::max(lastTarget_, target);
    }
    // The instructions from pc on may be replaced by ones that do the same when
    // entered at pc: no jump lands after pc.
    bool canReplaceFrom(std::int32_t pc) const { return pc >= 0 && lastTarget_ <= pc; }
    const Instruction* last() const { return p_->code.empty() ? nullptr : &p_->code.back(); }
    bool lastIs(Op op) const { return last() && last()->op == op; }

    std::string_view t_;
    std::vector<int> match_;
    std::shared_ptr<Program> p_;
    int stack_ = 0;            // left operands on the stack at this point
    bool latchDirty_ = false;  // EvalError may have changed since the last look (at entry)
    std::int32_t lastTarget_ = -1;
};

// A block nested deeper than the budget allows never runs: reaching it fails.
constexpr int MaxLevel = MaxNestingLevels - 1;

void Compiler::block(size_t b, size_t e, int level) {
    if (level > MaxLevel) {
        emit(Op::NestTooDeep, level);
        return;
    }
    std::vector<Frame> frames;
    std::vector<PendingExit> exits;
    bool checkedLatch = false;
    for (;;) {
        if (latchDirty_) {
            exits.push_back({emit(Op::CheckLatch, level), frames.size()});
            latchDirty_ = false;
            checkedLatch = true;
        }
        const size_t L = e - b;
        const char c1 = L > 0 ? t_[b] : '\0';
        const char c2 = L > 1 ? t_[b + 1] : '\0';
        if (L > 0 && (c1 == '"' || c1 == '#')) {
            emit(c1 == '"' ? Op::RunScript : Op::MemStore, level, text(t_.substr(b, L)));
            exits.push_back({emit(Op::Exit, level), frames.size()});
            break;
        }
        Prefix prefix{};
        if (L > 0 && FindPrefix(c1, c2, prefix)) {
            frames.push_back({Frame::Kind::Prefix, prefix.fn});
            b += static_cast<size_t>(prefix.length);
            continue;
        }
        const auto n = operand(b, e, level, frames, exits);
        if (!n) break;
        size_t opAt = b + *n;
        if (opAt < e && t_[opAt] == ')') {
            emit(Op::ExtraParen, level);
            ++opAt;
        }
        if (opAt >= e) break;
        const Builtin op = InfixOperator(t_[opAt]);
        pushInfix(op, level, frames);
        // The right side takes at most L-2 (operator) or L-1 (implicit product)
        // characters, which drops the last one when the operand was empty.
        const size_t start = op == Builtin::ImplicitMul ? opAt : opAt + 1;
        const size_t limit = op == Builtin::ImplicitMul ? L - 1 : (L >= 2 ? L - 2 : 0);
        b = start;
        e = start + std::min(limit, e - start);
    }
    applyPending(frames, exits, level);
    // What follows may have been reached by the exit of a set latch.
    latchDirty_ = latchDirty_ || checkedLatch;
}

std::optional<size_t> Compiler::operand(size_t b, size_t e, int level, std::vector<Frame>& frames,
                                        std::vector<PendingExit>& exits) {
    switch (b < e ? t_[b] : '\0') {
        case 'x': emit(Op::LoadX, level); return 1;
        case 'p': emit(Op::LoadConst, level, 0, std::numbers::pi); return 1;
        case 'e': emit(Op::LoadConst, level, 0, e_constant); return 1;
        case 'm': emit(Op::LoadMem, level); return 1;
        case 'r': {
            const std::int32_t pc = emit(Op::LoadResult, level);
            exits.push_back({pc, frames.size()});
            frames.push_back({Frame::Kind::Guard, {}, Lhs::Stack, 0, static_cast<int>(p_->guards.size())});
            p_->guards.push_back({pc, -1, stack_});
            return 1;
        }
        case '$': {
            const size_t at = t_.find(']', b);
            if (at == std::string_view::npos || at >= e) {
                exits.push_back({emit(Op::NoBracket, level), frames.size()});
                return std::nullopt;
            }
            if (at < b + 2) {
                emit(Op::Fail, level, text("Invalid argument"));
                return std::nullopt;
            }
            emit(Op::LoadVariable, level, text(t_.substr(b + 2, at - b - 2)));
            return at - b + 1;
        }
        case '(': {
            const int close = match_[b];
            if (close < 0 || static_cast<size_t>(close) >= e) {
                exits.push_back({emit(Op::NoCloseParen, level), frames.size()});
                return std::nullopt;
            }
            block(b + 1, static_cast<size_t>(close), level + 1);
            return static_cast<size_t>(close) - b + 1;
        }
        default: {
            size_t n = 0;
            while (b + n < e && isNumberChar(t_[b + n])) ++n;
            try {
                emit(Op::LoadConst, level, 0, n == 0 ? 0.0 : LeadingNumber(t_.substr(b, n)));
            } catch (const EvalFailure& failure) {
                emit(Op::Fail, level, text(failure.what()));
                return std::nullopt;
            }
            return n;
        }
    }
}

// The left operand stays in the instruction when it is a constant or x.
void Compiler::pushInfix(Builtin op, int level, std::vector<Frame>& frames) {
    Frame f{Frame::Kind::Infix, op};
    const std::int32_t lastPc = here() - 1;
    if ((lastIs(Op::LoadConst) || lastIs(Op::LoadX)) && last()->level == level && lastTarget_ < lastPc) {
        f.lhs = lastIs(Op::LoadX) ? Lhs::X : Lhs::Const;
        f.lhsValue = last()->value;
        p_->code.pop_back();
    } else {
        emit(Op::PushLhs, level);
        p_->stackSize = std::max(p_->stackSize, ++stack_);
    }
    frames.push_back(f);
}

void Compiler::applyPending(const std::vector<Frame>& frames, std::vector<PendingExit>& exits, int level) {
    auto resolveExits = [&](size_t count) {
        for (const PendingExit& exit : exits) {
            if (exit.frames == count) resolve(exit.pc, here());
        }
    };
    for (size_t k = frames.size(); k > 0; --k) {
        resolveExits(k);
        const Frame& f = frames[k - 1];
        if (f.kind == Frame::Kind::Guard) {
            p_->guards[static_cast<size_t>(f.guard)].marker = here();
            lastTarget_ = std::max(lastTarget_, here());
        } else if (f.kind == Frame::Kind::Prefix) {
            applyPrefix(f.builtin, level);
        } else {
            applyInfix(f, level);
        }
    }
    resolveExits(0);
}

void Compiler::applyPrefix(Builtin fn, int level) {
    if (MaySetEvalError(fn)) latchDirty_ = true;
    const std::int32_t lastPc = here() - 1;
    if (TraitsOf(fn).depends == Depends::Argument && lastIs(Op::LoadConst) && canReplaceFrom(lastPc) &&
        foldIntoLastConst(
            [&](bool& evalError) { return ApplyPrefix(fn, last()->value, false, evalError); })) {
        return;
    }
    emit(prefixOp(fn), level);
}

// The load of the right operand just emitted, when the operation can take it
// in: a constant or x, with no exit landing after it (nor, for a left operand
// on the stack, after the push just before it).
const Instruction* Compiler::simpleRhs(Lhs lhs) const {
    if (!lastIs(Op::LoadConst) && !lastIs(Op::LoadX)) return nullptr;
    const std::int32_t from = here() - (lhs == Lhs::Stack ? 2 : 1);
    if (lhs == Lhs::Stack && (from < 0 || p_->code[static_cast<size_t>(from)].op != Op::PushLhs))
        return nullptr;
    return canReplaceFrom(from) ? last() : nullptr;
}

// Replaces the constant just loaded by the value compute works out from it,
// unless that one must be left to run time: it sets EvalError or fails.
template <class Compute>
bool Compiler::foldIntoLastConst(Compute&& compute) {
    try {
        bool evalError = false;
        const double value = compute(evalError);
        if (evalError) return false;
        p_->code.back().value = value;
        return true;
    } catch (const EvalFailure&) {
        return false;  // left to run time, where it fails in its turn
    }
}

void Compiler::applyInfix(const Frame& f, int level) {
    if (f.lhs == Lhs::Stack) --stack_;
    const Instruction* rhs = simpleRhs(f.lhs);
    const bool rhsIsConst = rhs && rhs->op == Op::LoadConst;
    if (MaySetEvalError(f.builtin, rhsIsConst ? std::optional(rhs->value) : std::nullopt)) latchDirty_ = true;
    if (f.lhs == Lhs::Const && rhsIsConst && foldIntoLastConst([&](bool& evalError) {
            return ApplyInfix(f.builtin, f.lhsValue, rhs->value, evalError);
        })) {
        return;
    }
    if (!rhs || (f.lhs == Lhs::Const && rhsIsConst)) {
        const InfixForm form = f.lhs == Lhs::Stack ? Stack : f.lhs == Lhs::Const ? LhsConst : LhsX;
        emit(infixOp(f.builtin, form), level, 0, f.lhsValue);
        return;
    }
    const Instruction load = *rhs;
    const bool rhsIsX = load.op == Op::LoadX;
    InfixForm form = rhsIsX ? RhsX : RhsConst;
    double value = load.value;
    if (f.lhs == Lhs::X) form = rhsIsX ? XX : XConst;
    if (f.lhs == Lhs::Const) {
        form = ConstX;
        value = f.lhsValue;
    }
    const size_t taken = f.lhs == Lhs::Stack ? 2 : 1;
    const int deepest = std::max<int>(load.level, p_->code[p_->code.size() - taken].level);
    p_->code.resize(p_->code.size() - taken);
    emit(infixOp(f.builtin, form), deepest, 0, value);
}

}  // namespace

std::shared_ptr<Program> Compile(std::string_view text) { return Compiler(text).compile(); }

std::size_t Program::bytes() const {
    std::size_t total = sizeof(Program) + text.size() + code.size() * sizeof(Instruction) +
                        guards.size() * sizeof(ResultGuard);
    for (const std::string& s : texts) total += sizeof(std::string) + s.size();
    return total;
}

const ResultGuard* Program::guardAt(std::int32_t pc) const {
    auto it = std::upper_bound(guards.begin(), guards.end(), pc,
                               [](std::int32_t at, const ResultGuard& g) { return at < g.start; });
    while (it != guards.begin()) {
        --it;
        if (pc < it->marker) return &*it;
    }
    return nullptr;
}

}  // namespace plotmere
