// Faults found by trying the program as a hostile user would: each test
// reproduces one report.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "app/headless/headless_console.h"
#include "app/headless/headless_host.h"
#include "app/qt/image_picture.h"
#include "expr/eval_failure.h"
#include "expr/number_text.h"
#include "state/null_picture.h"
#include "support/console_fixture.h"
#include "support/temp_folder.h"
#include "window_fixture.h"

namespace plotmere::testing {
namespace {

namespace fs = std::filesystem;
using Events = std::vector<std::string>;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool contains(const Events& events, const std::string& line) {
    return std::find(events.begin(), events.end(), line) != events.end();
}

class HardeningTest : public ConsoleTest {
protected:
    void SetUp() override { console.scripts().SetFolder(folder.path()); }

    // Runs the command as typed into the function box.
    void run(const std::string& command) {
        s.FunctionIn.Text = command;
        console.Click("Evaluate");
    }

    TempFolder folder;
};

// Thirty scripts, each starting the next from inside an expression nested this deep.
void writeChain(const TempFolder& folder, size_t depth) {
    for (int i = 0; i < 30; ++i) {
        folder.write("s" + std::to_string(i), "1\n" + std::string(depth, '(') + "0+\"s" +
                                                  std::to_string(i + 1) + "\"" + std::string(depth, ')') +
                                                  "\n");
    }
}

TEST_F(HardeningTest, AChainOfScriptsEndsBeforeTheStackRunsOut) {
    auto scriptsStarted = [&] {  // the last message names the innermost, which could not start the next
        run("\"s0\"");
        const Events seen = events();
        const auto started = std::count(seen.begin(), seen.end(), "message [Plotmere] file found");
        EXPECT_EQ(seen.back(), "message [Plotmere] File s" + std::to_string(started - 1) + " not found.");
        return started;
    };
    writeChain(folder, 999);  // as deep as allowed
    EXPECT_EQ(scriptsStarted(), 1);
    writeChain(folder, 0);
    const auto started = scriptsStarted();
    EXPECT_GT(started, 10);
    EXPECT_LT(started, 30);
}

// A graph whose every sample starts a script that graphs a script call at
// each of its own samples: a graph's worth of graphs of starts, hours of work.
TEST_F(HardeningTest, AGraphInAGraphThroughScriptsEndsWithTheRunTimeFailure) {
    folder.write("s0", "1\n0+\"s1\"\n");  // s1 is missing
    s.WhichOp.Value = 1;                  // graph mode
    // The second command has the whole budget again.
    for (int command = 0; command < 2; ++command) {
        run("0+\"s0\"");
        const Events seen = events();
        const auto started = std::count(seen.begin(), seen.end(), "message [Plotmere] File s1 not found.");
        // More than a graph's worth, far fewer than a graph's worth of graphs.
        EXPECT_GT(started, PictureWidth);
        EXPECT_LT(started, 30000);
        EXPECT_EQ(seen.back(),
                  "message [Plotmere] Run-time error: Too much work in scripts started from expressions");
    }
}

// A message box shown inside costs a share too: a graph in a graph whose every
// inner sample shows one ends after some thousand graphs' worth, not sixteen
// million boxes.
TEST_F(HardeningTest, MessagesInAGraphInAGraphThroughScriptsCountAsWork) {
    folder.write("s0", "1\nx+r\n");  // r: the Result caption is no number
    s.WhichOp.Value = 1;
    run("0+\"s0\"");
    const Events seen = events();
    EXPECT_LT(seen.size(), 300000u);
    EXPECT_EQ(seen.back(),
              "message [Plotmere] Run-time error: Too much work in scripts started from expressions");
}

// The same with a graph of x inside the script: its values, worked out a batch
// at a time, count as much as one by one, and the outer graph never ends.
TEST(HardeningScripts, GraphsOfScriptsStartedFromAGraphCountEveryValue) {
    TempFolder folder;
    folder.write("s0", "1\nx\n");
    std::ostringstream out;
    HeadlessHost host(out);
    NullPicture picture;  // sixteen million points would only take room
    Console console(host, picture);
    console.scripts().SetFolder(folder.path());
    console.state().WhichOp.Value = 1;
    console.state().FunctionIn.Text = "0+\"s0\"";
    console.Click("Evaluate");
    EXPECT_NE(out.str().find("Run-time error: Too much work in scripts started from expressions"),
              std::string::npos);
}

TEST_F(HardeningTest, TooDeepANestingIsNotCaughtByTheResultGuard) {
    s.Result.Caption = "3";
    s.StoredFunction = "rFF";  // each level calls itself twice
    EXPECT_THROW(eval("F"), NestedTooDeeply);
    // The same with an overflow, caught at every level, long before the limit.
    s.Result.Caption = "0";
    s.StoredFunction = "Fx2E+rFx5!";
    EXPECT_THROW(eval("F2"), TooManyCalls);
}

TEST(HardeningSave, AWriteFailingPartWayLeavesTheOldFileAndNoOther) {
    ImagePicture picture;
    std::minstd_rand random;
    for (int i = 0; i < 5000; ++i) {  // enough for every format to fill 4 KB
        picture.PSet(std::fmod(random(), PictureWidth), std::fmod(random(), PictureHeight), QBColor(i % 16));
    }
    for (const char* name : {"graph.bmp", "graph.png", "graph.svg"}) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const fs::path target = folder.path() / name;
        folder.write(name, "the old picture");

        rlimit before{};  // a disk that fills after 4 KB, for this process only
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4096, before.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool saved = picture.Save(target.string());
        setrlimit(RLIMIT_FSIZE, &before);
        EXPECT_FALSE(saved);
        EXPECT_EQ(contents(target), "the old picture");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
        EXPECT_TRUE(picture.Save(target.string()));  // with room, it is replaced
        EXPECT_GT(contents(target).size(), 4096u);
    }
}

TEST_F(HardeningTest, AFailingRedrawAfterTheZoomBoxIsReportedOnce) {
    s.WhichOp.Value = 1;
    run("!200");
    events();
    console.MouseDown(1000, 500);
    console.MouseDown(3000, 1500);
    wait(2000);
    const Events seen = events();
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "message [Plotmere] Run-time error: Overflow"), 1);
    EXPECT_FALSE(s.GfxSpeed.Enabled);
}

TEST_F(HardeningTest, DataFilesThatAreNoPlainTextFilesOfBoundedSizeAreReported) {
    const fs::path fifo = folder.path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    folder.write("long", "1,2\n" + std::string(65 * 1024, '1') + ",2\n");
    folder.write("huge", "");
    fs::resize_file(folder.path() / "huge", (std::uintmax_t{64} << 20) + 1);
    s.WhichOp.Value = 1;
    for (const fs::path& name :
         {fifo, folder.path(), fs::path("/dev/zero"), folder.path() / "long", folder.path() / "huge"}) {
        SCOPED_TRACE(name);
        picture.calls.clear();
        run("@Plot(\"" + name.string() + "\")");
        EXPECT_TRUE(contains(events(), "message [Plotmere] Problem with file: \"" + name.string() + "\""));
        EXPECT_TRUE(picture.of("Line").empty());
    }
    folder.write("nul", std::string("0,0\n1,1\n2\0,4\n3,9\n", 16));  // a nul byte: reported inside
    s.Settings.Axes.Value = 0;
    const std::string nul = (folder.path() / "nul").string();
    run("@Plot(\"" + nul + "\")");
    EXPECT_TRUE(contains(events(), "message [Plotmere] Problem inside file: \"" + nul + "\""));
    EXPECT_EQ(picture.of("Line").size(), 1u);  // the segment before the bad line
}

TEST_F(HardeningTest, TheHistoryKeepsTheLastThousandCommands) {
    for (int i = 0; i < 1005; ++i) run(std::to_string(i));
    ASSERT_EQ(s.FunctionIn.List.size(), 1000u);
    EXPECT_EQ(s.FunctionIn.List.front(), "5");
}

TEST(HardeningHeadless, WaitTakesAtMostADay) {
    std::istringstream actions(
        "wait 86400000\nwait 86400001\nwait 9223372036854775807\nwait -1\n"
        "check WhichOp 1\npress 100 100\npress 200 200\nwait 86400000\n");
    std::ostringstream out, err;
    RecordingPicture picture;
    HeadlessConsole console(out, err, picture);
    EXPECT_EQ(console.Run(actions), 2);
    EXPECT_EQ(err.str(),
              "error: line 2: wait takes 0 to 86400000 milliseconds\n"
              "error: line 3: wait takes 0 to 86400000 milliseconds\n"
              "error: line 4: wait takes 0 to 86400000 milliseconds\n");
    EXPECT_FALSE(console.console().state().GfxSpeed.Enabled);  // the redraw came due
}

TEST_F(HardeningTest, NumbersWrittenIntoTheBoundsReadBackAsWritten) {
    s.WhichOp.Value = 1;
    s.Text3.Text = "6E14";
    s.Text4.Text = "-6E14";
    console.Click("ZOut");
    EXPECT_EQ(s.Text3.Text, "1.2E15");
    EXPECT_EQ(s.view.XMax, 1.2e15);  // as the redraw read it
    EXPECT_EQ(s.view.XMin, -1.2e15);
    folder.write("big", "1\n2E15\n");  // a number item of a script becomes the command
    s.WhichOp.Value = 0;
    run("\"big\"");
    EXPECT_EQ(s.Result.Caption, "2E+15");
    for (double v : {1e15, 2.5e300, -7e20, 1e-5, -3.25e-300, 123.5}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(*eval(FormatForInput(v)), v);
    }
}

class HardeningWindowTest : public WindowTest {};

TEST_F(HardeningWindowTest, TheFunctionBoxRunsWhatWasTyped) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&consoleWindow));
    functionIn()->setFocus();
    for (const char* earlier : {"Sx+1", "2*3+1"}) {
        typeInto(functionIn(), earlier);
        QTest::keyClick(functionIn(), Qt::Key_Return);
    }
    typeInto(functionIn(), "Sx");
    QTest::keyClick(functionIn(), Qt::Key_Return);
    EXPECT_EQ(s.Functions[0].text, "Sx");
    typeInto(functionIn(), "2");
    QTest::keyClick(functionIn(), Qt::Key_Return);
    EXPECT_EQ(label("Result")->text(), "2");
}

}  // namespace
}  // namespace plotmere::testing
