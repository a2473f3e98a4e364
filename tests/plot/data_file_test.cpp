// Data files drawn as polylines, and their two messages.

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class DataFileTest : public ConsoleTest {
protected:
    void SetUp() override { s.WhichOp.Value = 1; }

    // Runs the data-file command for a file of this content; the events after "Evaluating input".
    Events plot(const std::string& content, const std::string& command = "@Plot(\"") {
        folder.write("data", content);
        picture.calls.clear();
        auto seen = run(command + name + "\")");
        seen.erase(seen.begin());
        return seen;
    }
    // The lines other than the dark green axes.
    std::vector<PictureCall> segments() {
        auto lines = picture.of("Line");
        std::erase_if(lines, [](const PictureCall& l) { return l.color == Rgb{0, 128, 0}; });
        return lines;
    }

    const std::string name = (folder.path() / "data").string();
};

TEST_F(DataFileTest, PairsBecomeSegmentsEndingInsideTheWindow) {
    EXPECT_EQ(plot("0,0\n1,1\n 2 , 4 \n"), Events{"status Plotting..."});
    const auto lines = segments();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ((std::vector{lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              (std::vector{2055 + 205.5f, 925 - 92.5f, 2055.f, 925.f}));  // from (1, 1) back to (0, 0)
    EXPECT_EQ((std::vector{lines[1].x1, lines[1].y1, lines[1].y2}),
              (std::vector{2055 + 411.f, 925 - 370.f, 925 - 92.5f}));
    EXPECT_EQ(picture.calls.back().color, (Rgb{0, 128, 0}));  // axes last

    plot("0,0,\n\n\"1\", 1\r\n");  // a trailing comma, a blank line, a quoted item
    EXPECT_EQ(segments().size(), 1u);
    plot("0,0,10,5,1,1,2,-10,-10,2,2,10,12,0");  // points on each edge, then x = 12 outside
    ASSERT_EQ(segments().size(), 1u);
    EXPECT_EQ(segments()[0].x2, PictureWidth);  // drawn from (1, 1) back to the edge point
    s.WhichOp.Value = 0;                        // evaluate mode too
    plot("0,0\n1,1\n");
    EXPECT_EQ(segments().size(), 1u);
}

TEST_F(DataFileTest, AMissingValueIsReportedAfterTheSegmentsBeforeIt) {
    const std::string plotting = "status Plotting...";
    const std::string inside = "message [Plotmere] Problem inside file: \"" + name + "\"";
    const std::tuple<const char*, Events, size_t, bool> rows[] = {
        {"3,3\n", {plotting}, 0, true},  // no segment, but the axes
        {"", {plotting, inside}, 0, false},
        {"0,0\n1,1\n2", {plotting, inside}, 1, false},  // no axes after the failure
        {"0,0\n1,1\nthree,3\n", {plotting, inside}, 1, false},
    };
    for (const auto& [content, shown, drawn, axes] : rows) {
        SCOPED_TRACE(content);
        EXPECT_EQ(plot(content), shown);
        EXPECT_EQ(segments().size(), drawn);
        EXPECT_EQ(picture.of("Line").size() > drawn, axes);
        EXPECT_EQ(s.ScriptError(), shown.size() > 1);
    }
}

TEST_F(DataFileTest, MissingFilesAndOtherCommands) {
    EXPECT_EQ(plot("0,0\n1,1\n", "@plot(\""), Events{});  // lower-case p: nothing happens
    EXPECT_EQ(run("@P"), (Events{"status Evaluating input", "message [Plotmere] Problem with file: \"\""}));

    s.Functions[1] = {"x", 1};
    EXPECT_EQ(
        plot("", "@Plot(\"nowhere/"),
        (Events{"status Plotting...", "message [Plotmere] Problem with file: \"nowhere/" + name + "\""}));
    EXPECT_TRUE(s.ScriptError() && picture.of("PSet").empty());  // nor the remaining slots
}

}  // namespace
}  // namespace plotmere::testing
