// How eval reads x; everything else it does is in the outcome table.

#include <cmath>
#include <string_view>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

TEST_F(ConsoleTest, XIsReadRoundedToFifteenDigits) {
    EXPECT_EQ(*eval("x", 0.1 + 0.2), 0.3);
    EXPECT_EQ(*console.evaluator().eval("x", std::string_view("2.5abc")), 2.5);
    eval("x", 0.0);
    EXPECT_TRUE(std::signbit(*eval("x", -0.0)));  // not taken for the 0 before it
}

}  // namespace
}  // namespace plotmere::testing
