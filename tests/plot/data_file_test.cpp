// Data files drawn as polylines, and their two messages.

#include <filesystem>
#include <fstream>

#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

namespace fs = std::filesystem;
using Events = std::vector<std::string>;

class DataFileTest : public ConsoleTest {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("plotmere-data-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        s.WhichOp.Value = 1;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string file(const std::string& name, const std::string& content) {
        const fs::path path = dir_ / name;
        std::ofstream(path) << content;
        return path.string();
    }
    // Runs the data-file command for path and returns the events it caused.
    Events plot(const std::string& path) {
        s.FunctionIn.Text = "@Plot(\"" + path + "\")";
        console.Click("Evaluate");
        auto seen = events();
        seen.erase(seen.begin());  // "Evaluating input"
        return seen;
    }
    // The lines other than the dark green axes.
    std::vector<PictureCall> segments() {
        std::vector<PictureCall> out;
        for (const auto& l : picture.of("Line")) {
            if (!(l.color == Rgb{0, 128, 0})) out.push_back(l);
        }
        return out;
    }

    fs::path dir_;
};

TEST_F(DataFileTest, PairsBecomeSegmentsEndingInsideTheWindow) {
    EXPECT_EQ(plot(file("good.txt", "0,0\n1,1\n 2 , 4 \n")), Events{"status Plotting..."});
    const auto lines = segments();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x1, 2055 + 205.5f);  // from (1, 1) back to (0, 0)
    EXPECT_EQ(lines[0].y1, 925 - 92.5f);
    EXPECT_EQ(lines[0].x2, 2055);
    EXPECT_EQ(lines[1].x1, 2055 + 411);  // from (2, 4) back to (1, 1)
    EXPECT_EQ(lines[1].y1, 925 - 370);
    EXPECT_EQ(picture.calls.back().color, (Rgb{0, 128, 0}));  // axes last

    picture.calls.clear();
    plot(file("loose.txt", "0,0,\n\n\"1\", 1\r\n"));  // a trailing comma, a blank line, a quoted item
    EXPECT_EQ(segments().size(), 1u);

    picture.calls.clear();
    plot(file("edge.txt", "0,0,10,5,1,1,12,0"));  // x = 10 is on the edge, 12 outside
    ASSERT_EQ(segments().size(), 1u);
    EXPECT_EQ(segments()[0].x2, PictureWidth);  // drawn from (1, 1) back to the edge point
}

TEST_F(DataFileTest, TooFewOrOddValues) {
    EXPECT_EQ(plot(file("one.txt", "3,3\n")), Events{"status Plotting..."});
    EXPECT_TRUE(segments().empty());
    EXPECT_FALSE(picture.of("Line").empty());  // but the axes

    const std::string empty = file("empty.txt", "");
    EXPECT_EQ(plot(empty), (Events{"status Plotting...", "message [Plotmere] Problem inside file: \"" + empty + "\""}));
    EXPECT_TRUE(s.ScriptError);

    picture.calls.clear();
    const std::string odd = file("odd.txt", "0,0\n1,1\n2");
    EXPECT_EQ(plot(odd).back(), "message [Plotmere] Problem inside file: \"" + odd + "\"");
    EXPECT_EQ(segments().size(), 1u);
    EXPECT_TRUE(picture.of("Line").size() == 1u);  // no axes after the failure

    picture.calls.clear();
    const std::string words = file("words.txt", "0,0\n1,1\nthree,3\n");
    EXPECT_EQ(plot(words).back(), "message [Plotmere] Problem inside file: \"" + words + "\"");
    EXPECT_EQ(segments().size(), 1u);
}

TEST_F(DataFileTest, MissingFilesAndOtherCommands) {
    const std::string missing = (dir_ / "missing.txt").string();
    EXPECT_EQ(plot(missing), (Events{"status Plotting...", "message [Plotmere] Problem with file: \"" + missing + "\""}));
    EXPECT_TRUE(s.ScriptError);

    s.FunctionIn.Text = "@plot(\"" + missing + "\")";  // lower-case p: nothing happens
    console.Click("Evaluate");
    EXPECT_EQ(events(), Events{"status Evaluating input"});

    s.FunctionIn.Text = "@P";  // no room for a name
    console.Click("Evaluate");
    EXPECT_EQ(events(), (Events{"status Evaluating input", "message [Plotmere] Problem with file: \"\""}));

    s.WhichOp.Value = 0;  // evaluate mode too
    plot(file("also.txt", "0,0\n1,1\n"));
    EXPECT_EQ(segments().size(), 1u);
}

TEST_F(DataFileTest, FileErrorStopsTheRemainingSlots) {
    s.Functions[1] = {"x", 1};
    plot((dir_ / "missing.txt").string());
    EXPECT_TRUE(picture.of("PSet").empty());
}

}  // namespace
}  // namespace plotmere::testing
