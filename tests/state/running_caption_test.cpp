#include "state/running_caption.h"

#include <gtest/gtest.h>

#include "expr/eval_failure.h"

namespace plotmere {
namespace {

// A failure is reported with the window still shown running; its handler then restores it.
TEST(RunningCaptionTest, LeavesTheCaptionOfAFailureToItsHandler) {
    Form window;
    try {
        const RunningCaption running(window);
        throw EvalFailure("Overflow");
    } catch (const EvalFailure&) {
        EXPECT_EQ(window.Caption, "Plotmere <running>");
    }
}

}  // namespace
}  // namespace plotmere
