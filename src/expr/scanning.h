#pragma once
// Small text helpers shared by the evaluator and its callers.

#include <string>
#include <string_view>
#include <vector>

namespace plotmere {

// The text with every space (character 32) removed; tabs stay.
std::string ss(std::string_view fstr);

// For each "(" of the text, the index of the ")" that closes it, or -1 when
// none does; -1 for every other character.
std::vector<int> MatchingParens(std::string_view text);

}  // namespace plotmere
