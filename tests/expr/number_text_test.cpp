// Numbers written as text and texts read as numbers.

#include "expr/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "expr/bit_cast.h"
#include "expr/decimal_text.h"
#include "expr/eval_failure.h"
#include "expr/fifteen_digits.h"

namespace plotmere {
namespace {

TEST(NumberText, DoublesShowWithFifteenSignificantDigitsAndPlainInAReadout) {
    // clang-format off
    const std::pair<double, const char*> rows[] = {
        {2.5, "2.5"},          {-3, "-3"},        {0.1, "0.1"},           {1e20, "1E+20"},
        {1e-5, "1E-05"},       {-0.0, "0"},       {0.1 + 0.2, "0.3"},     {1.0 / 3, "0.333333333333333"},
        {123456789012345678.0, "1.23456789012346E+17"}, {8448105, "8448105"}, {7.257415615307994e306, "7.25741561530799E+306"},
    };
    // clang-format on
    for (auto [v, text] : rows) EXPECT_EQ(FormatDouble(v), text);
    // A readout's: no exponent below the limit, however many decimals.
    EXPECT_EQ(FormatPlain(-0.0) + " " + FormatPlain(PlainBelow), "0 1E15");
    EXPECT_EQ(FormatPlain(-4.9e-324), "-0." + std::string(323, '0') + "5");
    EXPECT_EQ(FormatToStep(-0.5, 1) + " " + FormatToStep(0.49, 1), "-1 0");  // under the unit: a half is one
}

TEST(NumberText, WholeTextsReadAsNumbers) {
    const std::pair<const char*, double> good[] = {{"8", 8},  {"-2.5", -2.5}, {" 1E+20 ", 1e20}, {"+.5", 0.5},
                                                   {"2.", 2}, {"1e-5", 1e-5}, {"1E-400", 0}};
    for (auto [text, v] : good) EXPECT_EQ(ParseNumber(text), v) << text;
    for (const char* bad : {"", " ", "abc", "1.2.3", "2x", "inf", "nan", "0x10", "1E", "1E+400", "--1", "."})
        EXPECT_EQ(ParseNumber(bad), std::nullopt) << bad;
}

// More of them in the outcome table, as texts evaluated.
TEST(NumberText, LeadingNumbers) {
    const std::pair<const char*, double> rows[] = {{"2.5abc", 2.5}, {"abc", 0}, {"-4x", -4}, {"", 0}};
    for (auto [text, v] : rows) EXPECT_EQ(LeadingNumber(text), v) << text;
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_THROW(LeadingNumber("0." + std::string(400, '0') + "1E800"), EvalFailure);  // 1E399
}

// The fast rounding agrees with the decimal text bit for bit, singly and in a
// batch; bench/round_check runs the same over a hundred million doubles.
TEST(NumberText, XRoundsToFifteenDigitsAsItsTextDoes) {
    auto bits = [](double v) { return BitCast<std::uint64_t>(v); };
    // clang-format off
    std::vector<double> sample = {0.0, -0.0, 1e15, 999999999999999.5, 1000000000000005.0, 1000000000000015.0,
                                  0.1 + 0.2, 1.0 / 3, -2.0 / 3, 1e-8, 9.9999999999999995e-9, 1e37, 4.9e-324,
                                  2.2250738585072014e-308, 1.7976931348623157e308, 123456.78901234567};
    // clang-format on
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        sample.push_back(BitCast<double>(random()));
        sample.push_back(std::ldexp(double(random() >> 11), int(random() % 120) - 100));
    }
    for (int i = 0; i < 4110; ++i) sample.push_back(-10 + i * (20.0 / 4109));  // a sweep's neighbours
    for (int i = 0; i < 400; ++i) sample.push_back((1000000000000005.0 + 10 * i) / 1e15);  // near halves
    std::vector<double> batch(sample.size());
    RoundAllTo15Digits(sample, batch);
    for (size_t i = 0; i < sample.size(); ++i) {
        EXPECT_EQ(bits(RoundTo15Digits(sample[i])), bits(RoundTo15DigitsByText(sample[i]))) << sample[i];
        EXPECT_EQ(bits(batch[i]), bits(RoundTo15DigitsByText(sample[i]))) << sample[i];
        // The shortest text reads back as the very double.
        EXPECT_TRUE(std::isnan(sample[i]) || bits(ReadDecimal(FormatShortest(sample[i]))) == bits(sample[i]))
            << sample[i];
    }
    EXPECT_EQ(RoundTo15Digits(0.1 + 0.2), 0.3);
    EXPECT_EQ(RoundTo15Digits(1000000000000005.0), 1e15);  // a half, to even
    EXPECT_EQ(RoundTo15Digits(1000000000000015.0), 1.00000000000002e15);
}

TEST(NumberText, SixteenBitConversionRoundsHalvesToEven) {
    for (auto [v, n] : {std::pair{2.5, 2}, {3.5, 4}, {-32768.4, -32768}, {32767.4, 32767}})
        EXPECT_EQ(ToInt16(v), n);
    for (double v : {32767.5, -40000.0}) EXPECT_THROW(ToInt16(v), EvalFailure);
}

}  // namespace
}  // namespace plotmere
