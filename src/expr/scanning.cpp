#include "expr/scanning.h"

namespace plotmere {

std::string ss(std::string_view fstr) {
    std::string out;
    out.reserve(fstr.size());
    for (char c : fstr) {
        if (c != ' ') out += c;
    }
    return out;
}

std::vector<int> MatchingParens(std::string_view text) {
    std::vector<int> match(text.size(), -1);
    std::vector<int> open;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            open.push_back(static_cast<int>(i));
        } else if (text[i] == ')' && !open.empty()) {
            match[static_cast<size_t>(open.back())] = static_cast<int>(i);
            open.pop_back();
        }
    }
    return match;
}

}  // namespace plotmere
