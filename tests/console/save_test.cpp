// Saving the picture through the save dialog.

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

using Events = std::vector<std::string>;

class SaveTest : public ConsoleTest {};

TEST_F(SaveTest, WritesTheChosenFileAndKeepsItsName) {
    EXPECT_EQ(s.Dialog1.FileName, "untitled");
    EXPECT_EQ(s.Dialog1.Filter, "Picture | *.bmp|PNG image|*.png|SVG drawing|*.svg");
    EXPECT_EQ(s.Dialog1.Flags, 6);

    host.AnswerNextSave("graph1");
    console.Click("Saver");
    EXPECT_EQ(events(), Events{"status graph1.bmp"});
    ASSERT_EQ(picture.of("Save").size(), 1u);
    EXPECT_EQ(picture.of("Save")[0].path, "graph1.bmp");

    console.Click("Saver");  // cancelled this time
    EXPECT_EQ(events(), Events{"status Save cancelled."});
    EXPECT_EQ(picture.of("Save").size(), 1u);
    EXPECT_EQ(s.Dialog1.FileName, "graph1.bmp");
}

TEST_F(SaveTest, ThePresetNameSavesNothing) {
    host.AnswerNextSave("untitled");
    console.Click("Saver");
    EXPECT_EQ(events(), Events{"status Save cancelled."});
    EXPECT_TRUE(picture.of("Save").empty());
}

TEST_F(SaveTest, AFileThatCannotBeWrittenIsReported) {
    picture.saveSucceeds = false;
    host.AnswerNextSave("/no/such/folder/g.bmp");
    console.Click("Saver");
    EXPECT_EQ(events(), Events{"message [Plotmere] The picture could not be saved as /no/such/folder/g.bmp. No file was changed."});
    EXPECT_EQ(s.Status.Caption, "Ready");
}

}  // namespace
}  // namespace plotmere::testing
