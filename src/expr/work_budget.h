#pragma once
// The work an evaluation or a command may do, so that no input runs for ever.

#include <cstddef>

#include "expr/eval_failure.h"

namespace plotmere {

// The work of F in one evaluation: the instructions of every call, and for
// every failure caught inside one a large share, as each lets F be called
// again (a message, and a function calling itself twice would double its work
// at every level). Room for a thousand nested calls of a long function, a
// fraction of a second.
struct CallCosts {
    using Failure = TooManyCalls;
    static constexpr std::size_t Limit = 20'000'000;
    static constexpr std::size_t CaughtFailure = 20'000;
};

// The work of scripts started from expressions in one command: every
// evaluation they run, a large share for each start (a file is found and read)
// and a share for each message box they show. Room for a graph that starts a
// script at each of its samples.
struct ScriptCosts {
    using Failure = TooMuchScriptWork;
    static constexpr std::size_t Limit = 8'000'000;
    static constexpr std::size_t Start = 1000;
    static constexpr std::size_t Message = 100;
    // What starting a script costs of the nesting budget: a chain of scripts
    // runs through far larger frames than a parenthesis does.
    static constexpr int Levels = 50;
};

// Work counted as it is done against the limit of Costs. The spending that
// goes past it throws Costs::Failure, and the count stays past it, so that any
// work after that fails too until the budget is renewed.
template <class Costs>
class WorkBudget {
public:
    void spend(std::size_t work) {
        spent_ += work;
        if (spent_ > Costs::Limit) throw typename Costs::Failure();
    }
    bool hasRoomFor(std::size_t work) const { return spent_ + work <= Costs::Limit; }
    void renew() { spent_ = 0; }

private:
    std::size_t spent_ = 0;
};

}  // namespace plotmere
