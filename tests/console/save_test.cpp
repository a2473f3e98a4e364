// Saving the picture: the file that is written, and a write that fails (the
// status texts are in the graph transcript).

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class SaveTest : public ConsoleTest {};

TEST_F(SaveTest, WritesTheChosenFileOrReportsThatNothingChanged) {
    host.AnswerNextSave("graph1");
    console.Click("Saver");
    ASSERT_EQ(picture.of("Save").size(), 1u);
    EXPECT_EQ(picture.of("Save")[0].path, "graph1.bmp");
    events();
    picture.saveSucceeds = false;
    host.AnswerNextSave("/no/such/folder/g.bmp");
    console.Click("Saver");
    EXPECT_EQ(events(), std::vector<std::string>{"message [Plotmere] The picture could not be saved as "
                                                 "/no/such/folder/g.bmp. No file was changed."});
}

}  // namespace
}  // namespace plotmere::testing
