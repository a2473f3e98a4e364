#include "expr/program_cache.h"

#include <algorithm>

namespace plotmere {

std::shared_ptr<const Program> ProgramCache::Get(std::string_view text) {
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it) {
        if ((*it)->text == text) {
            std::rotate(it.base() - 1, it.base(), kept_.end());
            return kept_.back();
        }
    }
    auto program = Compile(text);
    ++compiles_;
    kept_.push_back(program);
    bytes_ += program->bytes();
    // The least recently used go first; the new one too when it alone is too large.
    while (!kept_.empty() && (kept_.size() > MaxPrograms || bytes_ > MaxBytes)) {
        bytes_ -= kept_.front()->bytes();
        kept_.erase(kept_.begin());
    }
    return program;
}

}  // namespace plotmere
