// Faults found by trying the program as a hostile user would, one test each.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <iterator>
#include <random>

#include "app/qt/image_picture.h"
#include "expr/eval_failure.h"
#include "expr/number_text.h"
#include "expr/work_budget.h"
#include "state/null_picture.h"
#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

namespace fs = std::filesystem;

const std::string TooMuchWork =
    "message [Plotmere] Run-time error: Too much work in scripts started from expressions";

using HardeningTest = ConsoleTest;

// Thirty scripts, each starting the next from inside an expression nested this deep.
TEST_F(HardeningTest, AChainOfScriptsEndsBeforeTheStackRunsOut) {
    const int fit = MaxNestingLevels / ScriptCosts::Levels;
    for (auto [depth, fewest, most] : {std::tuple{999, 1, 1}, {0, fit / 2, fit}}) {
        const std::string open(depth, '('), close(depth, ')');
        for (int i = 0; i < 30; ++i)
            folder.write("s" + std::to_string(i),
                         "1\n" + open + "0+\"s" + std::to_string(i + 1) + "\"" + close + "\n");
        const Events seen = run("\"s0\"");
        const long started = count(seen, "message [Plotmere] file found");
        EXPECT_GE(started, fewest);
        EXPECT_LE(started, most);
        EXPECT_EQ(seen.back(), "message [Plotmere] File s" + std::to_string(started - 1) + " not found.");
    }
}

// Every sample of a graph starts a script that graphs at each of its own samples: the starts, the
// message boxes and the values worked out a batch at a time all count, and the next command has the
// whole budget again, whatever came before it. No picture: sixteen million points would only take room.
class ScriptWorkTest : public ConsoleTestOn<NullPicture> {};

TEST_F(ScriptWorkTest, AGraphInAGraphThroughScriptsEndsWithTheRunTimeFailure) {
    const std::tuple<const char*, std::string, long, std::size_t> rows[] = {
        {"1\n0+\"s1\"\n", "message [Plotmere] File s1 not found.", PictureWidth + 1,
         ScriptCosts::Limit / ScriptCosts::Start},  // s1 is missing
        {"1\nx+r\n", "message [Plotmere] r input from result window is not a number.", 1,
         ScriptCosts::Limit / ScriptCosts::Message},  // r: the Result caption is no number
        {"1\nx\n", TooMuchWork, 1, 1}};
    s.WhichOp.Value = 1;
    for (const auto& [script, counted, fewest, most] : rows) {
        folder.write("s0", script);
        for (int command = 0; command < 2; ++command) {
            SCOPED_TRACE(script + std::to_string(command));
            console.context().messagesShown += ScriptCosts::Limit;  // a long session's messages before it
            const Events seen = run("0+\"s0\"");
            EXPECT_GE(count(seen, counted), fewest);
            EXPECT_LE(static_cast<std::size_t>(count(seen, counted)), most);
            EXPECT_EQ(seen.back(), TooMuchWork);
        }
    }
}

// An overflow caught at every level of F, long before the nesting limit.
TEST_F(HardeningTest, AFunctionCallingItselfTwiceEndsWithTheFailure) {
    s.Result.Caption = "0";
    s.StoredFunction = "Fx2E+rFx5!";
    EXPECT_THROW(eval("F2"), TooManyCalls);
    // one message a caught failure, and each takes its share of the work
    EXPECT_LE(events().size(), CallCosts::Limit / CallCosts::CaughtFailure);
}

TEST(WorkBudgetTest, TheLimitIsWithinItAndSpendingPastItFailsUntilRenewed) {
    WorkBudget<CallCosts> budget;
    budget.spend(CallCosts::Limit - 1);
    EXPECT_TRUE(budget.hasRoomFor(1));
    budget.spend(1);
    EXPECT_FALSE(budget.hasRoomFor(1));
    EXPECT_THROW(budget.spend(1), TooManyCalls);
    EXPECT_THROW(budget.spend(0), TooManyCalls);
    budget.renew();
    EXPECT_TRUE(budget.hasRoomFor(CallCosts::Limit));
}

// Writes that stop after 4 KB: at a file size limit, no full disk, and on a disk of 8 KB, half full.
TEST(HardeningSave, AWriteFailingPartWayLeavesTheOldFileAndNoOther) {
    ImagePicture picture;
    std::minstd_rand random;
    for (int i = 0; i < 5000; ++i)  // enough for every format to fill 4 KB
        picture.PSet(std::fmod(random(), PictureWidth), std::fmod(random(), PictureHeight), QBColor(i % 16));
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, before.rlim_max};
    for (const bool disk : {false, true})
        for (const char* name : {"graph.bmp", "graph.png", "graph.jpg", "graph.svg", "graph.pdf"}) {
            SCOPED_TRACE(name);
            TempFolder folder;
            const fs::path target = folder.path() / name;
            if (disk && !folder.mountTmpfs(0, "size=8k")) GTEST_SKIP() << "mounting a disk takes root";
            folder.write(name, "the old picture");
            ASSERT_TRUE(disk || !setrlimit(RLIMIT_FSIZE, &small));
            const SaveResult saved = picture.Save(target.string());
            ASSERT_TRUE(disk ? folder.mountTmpfs(MS_REMOUNT, "size=1m") : !setrlimit(RLIMIT_FSIZE, &before));
            EXPECT_EQ(saved, disk ? SaveResult::DiskFull : SaveResult::Failed);
            EXPECT_EQ(folder.read(name), "the old picture");
            EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
            EXPECT_EQ(picture.Save(target.string()), SaveResult::Saved);  // with room, it is replaced
            EXPECT_GT(folder.read(name).size(), 4096u);
        }
}

TEST_F(HardeningTest, AFailingRedrawAfterTheZoomBoxIsReportedOnce) {
    s.WhichOp.Value = 1;
    run("!200");
    console.MouseDown(1000, 500);
    console.MouseDown(3000, 1500);
    wait(2000);
    EXPECT_EQ(count(events(), "message [Plotmere] Run-time error: Overflow"), 1);
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
        EXPECT_EQ(count(run("@Plot(\"" + name.string() + "\")"),
                        "message [Plotmere] Problem with file: \"" + name.string() + "\""),
                  1);
        EXPECT_TRUE(picture.of("Line").empty());
    }
    folder.write("nul", std::string("0,0\n1,1\n2\0,4\n3,9\n", 16));  // a nul byte: reported inside
    s.Settings.Axes.Value = 0;
    const std::string nul = (folder.path() / "nul").string();
    EXPECT_EQ(count(run("@Plot(\"" + nul + "\")"), "message [Plotmere] Problem inside file: \"" + nul + "\""),
              1);
    EXPECT_EQ(picture.of("Line").size(), 1u);  // the segment before the bad line
}

TEST_F(HardeningTest, TheHistoryKeepsTheLastThousandCommands) {
    for (size_t i = 0; i < Console::HistoryLimit + 5; ++i) run(std::to_string(i));
    ASSERT_EQ(s.FunctionIn.List.size(), Console::HistoryLimit);
    EXPECT_EQ(s.FunctionIn.List.front(), "5");
}

TEST_F(HardeningTest, NumbersWrittenIntoTheBoundsReadBackAsWritten) {
    s.WhichOp.Value = 1;
    setBounds("6E14", "-6E14", "10", "-10");
    console.Click("ZOut");
    EXPECT_EQ(s.Text3.Text, "1.2E15");
    EXPECT_EQ(s.view.XMin, -1.2e15);   // as the redraw read it
    folder.write("big", "1\n2E15\n");  // a number item of a script becomes the command
    s.WhichOp.Value = 0;
    run("\"big\"");
    EXPECT_EQ(s.Result.Caption, "2E+15");
    for (double v : {1e15, 2.5e300, -7e20, 1e-5, -3.25e-300, 123.5}) EXPECT_EQ(*eval(FormatForInput(v)), v);
}

}  // namespace
}  // namespace plotmere::testing
