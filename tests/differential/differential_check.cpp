// The compiled evaluator beside the one it replaces, over random texts of the
// whole token set: value, emptiness, failure, every flag, the memory and every
// call to the host must agree, in order.
// Usage: differential_check [COUNT [SEED]]
//        differential_check --record TEXTS   (the outcome table of the texts)

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "differential/legacy_evaluator.h"
#include "expr/evaluator.h"
#include "support/evaluation_outcome.h"

namespace plotmere::testing {
namespace {

const char* const pieces[] = {
    "x", "p", "e", "m", "r", "+", "-", "*", "/", "^", "E", "=", ">", "<", "S", "C", "T", "A", "AT", "AS", "AC", "L",
    "R", "I", "!", "F", "(", ")", "(", ")", "~", "0", "1", "2", "3", "9", ".", "5", "1E300", "1E-300", "$[a]", "$[b]",
    "$[zz]", "$[", "]", "$]", "#[a]", "#[c]", "#", "\"s1\"", "\"", "Q", " ", "0.5", "170", "171", "32768", "2.5",
};

std::string randomText(std::mt19937& random, int maxPieces) {
    std::string text;
    const int n = static_cast<int>(random() % static_cast<unsigned>(maxPieces + 1));
    for (int i = 0; i < n; ++i) text += pieces[random() % std::size(pieces)];
    return text;
}

StartState randomStart(std::mt19937& random) {
    const char* const captions[] = {"3", "-2.5", "1E+300", "abc", "", "0", "7.5E-05"};
    StartState start;
    start.caption = captions[random() % std::size(captions)];
    start.mem = static_cast<float>(static_cast<int>(random() % 7) - 3) / 2;
    start.stored = random() % 4 == 0 ? "F(x+1)" : randomText(random, 6);
    start.degrees = static_cast<int>(random() % 2);
    start.latched = random() % 16 == 0;
    return start;
}

int compare(long count, unsigned seed) {
    std::mt19937 random(seed);
    const double xs[] = {0, 1, -2.5, 3, 0.1 + 0.2, 1e300, -1e-7, 170, 0.5};
    EvaluationWorld<LegacyEvaluator> legacy;
    EvaluationWorld<Evaluator> compiled;
    long differences = 0;
    for (long i = 0; i < count; ++i) {
        const StartState start = randomStart(random);
        start.apply(legacy.s);
        start.apply(compiled.s);
        const std::string text = randomText(random, 24);
        for (int sample = 0; sample < 3; ++sample) {
            const double x = xs[random() % std::size(xs)];
            const std::string expected = legacy.run(text, x), got = compiled.run(text, x);
            if (expected != got && ++differences <= 10) {
                std::printf("text [%s] x=%g\n  legacy:   %s\n  compiled: %s\n", text.c_str(), x, expected.c_str(),
                            got.c_str());
            }
        }
    }
    std::printf("%ld texts, %ld differences\n", count, differences);
    return differences == 0 ? 0 : 1;
}

// Each line of the file: a start setting ("= caption abc"), or a text, a tab
// and x. Prints the table of what the old evaluator did.
int record(const char* file) {
    std::ifstream in(file);
    StartState start;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("= ")) {
            start.set(line.substr(2));
            std::cout << line << '\n';
            continue;
        }
        const size_t tab = line.rfind('\t');
        const std::string text = line.substr(0, tab);
        const double x = std::strtod(line.c_str() + tab + 1, nullptr);
        EvaluationWorld<LegacyEvaluator> legacy;
        start.apply(legacy.s);
        std::cout << text << '\t' << exactly(x) << '\t' << legacy.run(text, x) << '\n';
    }
    return 0;
}

}  // namespace
}  // namespace plotmere::testing

int main(int argc, char** argv) {
    using namespace plotmere::testing;
    if (argc > 2 && std::strcmp(argv[1], "--record") == 0) return record(argv[2]);
    return compare(argc > 1 ? std::atol(argv[1]) : 1000000, argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1u);
}
