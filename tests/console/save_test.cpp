// Saving the picture: the file that is written, and a write that fails with
// or without a known reason (the status texts are in the graph transcript).

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class SaveTest : public ConsoleTest {};

TEST_F(SaveTest, WritesTheChosenFileOrSaysWhyNothingChanged) {
    host.AnswerNextSave("graph1");
    console.Click("Saver");
    ASSERT_EQ(picture.of("Save").size(), 1u);
    EXPECT_EQ(picture.of("Save")[0].path, "graph1.bmp");
    events();
    const std::pair<SaveResult, std::string> failures[] = {
        {SaveResult::NoSuchFolder, " No such folder."},
        {SaveResult::PermissionDenied, " Permission denied."},
        {SaveResult::DiskFull, " The disk is full."},
        {SaveResult::Failed, ""},
    };
    for (const auto& [result, reason] : failures) {
        picture.saveResult = result;
        host.AnswerNextSave("/no/such/folder/g.bmp");
        console.Click("Saver");
        EXPECT_EQ(events(), std::vector<std::string>{"message [Plotmere] The picture could not be saved as "
                                                     "/no/such/folder/g.bmp." +
                                                     reason + " No file was changed."});
    }
}

}  // namespace
}  // namespace plotmere::testing
