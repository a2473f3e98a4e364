#pragma once
// The programs of the texts evaluated lately, so that a text read again is not
// compiled again: enough for the ten slots, the bounds and a script line to
// stay compiled through a redraw, and bounded in bytes whatever texts arrive.

#include <memory>
#include <string_view>
#include <vector>

#include "expr/program.h"

namespace plotmere {

class ProgramCache {
public:
    static constexpr size_t MaxPrograms = 32;
    static constexpr size_t MaxBytes = size_t{16} << 20;

    // The program of the text, compiled now unless it is kept. A program too
    // large to keep lives as long as its caller holds it.
    std::shared_ptr<const Program> Get(std::string_view text);

    size_t Bytes() const { return bytes_; }
    size_t Count() const { return kept_.size(); }
    size_t Compiles() const { return compiles_; }  // since the start

private:
    std::vector<std::shared_ptr<const Program>> kept_;  // the most recently used last
    size_t bytes_ = 0;
    size_t compiles_ = 0;
};

}  // namespace plotmere
