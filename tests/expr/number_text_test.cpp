// Numbers written as text and texts read as numbers.

#include "expr/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "expr/eval_failure.h"

namespace plotmere {
namespace {

TEST(NumberText, DoublesShowWithFifteenSignificantDigits) {
    const std::pair<double, const char*> rows[] = {
        {2.5, "2.5"},          {-3, "-3"},        {0.1, "0.1"},           {1e20, "1E+20"},
        {1e-5, "1E-05"},       {-0.0, "0"},       {0.1 + 0.2, "0.3"},     {1.0 / 3, "0.333333333333333"},
        {123456789012345678.0, "1.23456789012346E+17"}, {8448105, "8448105"}, {7.257415615307994e306, "7.25741561530799E+306"},
    };
    for (auto [v, text] : rows) EXPECT_EQ(FormatDouble(v), text);
    EXPECT_EQ(FormatValue(std::nullopt), "");
    EXPECT_EQ(FormatSingle(3.14159265358979f), "3.141593");
    EXPECT_EQ(FormatSingle(2.5f), "2.5");
}

TEST(NumberText, WholeTextsReadAsNumbers) {
    const std::pair<const char*, double> good[] = {
        {"8", 8}, {"-2.5", -2.5}, {" 1E+20 ", 1e20}, {"+.5", 0.5}, {"2.", 2}, {"1e-5", 1e-5}, {"1E-400", 0},
    };
    for (auto [text, v] : good) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(ParseNumber(text).has_value());
        EXPECT_EQ(*ParseNumber(text), v);
    }
    for (const char* bad : {"", " ", "abc", "1.2.3", "2x", "inf", "nan", "0x10", "1E", "1E+400", "--1", "."}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseNumber(bad).has_value());
    }
}

TEST(NumberText, LeadingNumbers) {
    const std::pair<const char*, double> rows[] = {
        {"1.2.3", 1.2}, {".", 0}, {"..", 0}, {"007", 7}, {"0.50", 0.5}, {"2.5abc", 2.5}, {"abc", 0},
        {"-4x", -4},    {"", 0},  {"2E3", 2000},
    };
    for (auto [text, v] : rows) EXPECT_EQ(LeadingNumber(text), v) << text;
    EXPECT_THROW(LeadingNumber(std::string(400, '9')), EvalFailure);
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(NumberText, SixteenBitConversionRoundsHalvesToEven) {
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_EQ(ToInt16(-32768.4), -32768);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_THROW(ToInt16(32767.5), EvalFailure);
    EXPECT_THROW(ToInt16(-40000), EvalFailure);
}

}  // namespace
}  // namespace plotmere
