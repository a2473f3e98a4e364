// The picture without Qt, saved: the SVG writer's own steps, a file whole or
// not at all, and why not. What it draws is held against the image picture's
// in picture_tests.

#include "app/image/raster_picture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "support/temp_folder.h"

namespace plotmere {
namespace {

using testing::ContentsOf;
using testing::TempFolder;
namespace fs = std::filesystem;

// Dots once, touching ones joined; each step from the last.
TEST(RasterPictureTest, TheSvgStepsFromDotToDot) {
    TempFolder folder;
    RasterPicture few;
    for (float x : {15, 29, 30, 60}) few.PSet(x, 30, QBColor(4));
    few.PSet(0, 60, QBColor(4));  // two rows below, alone at the left edge
    few.Line(0, 0, 45, 0, QBColor(9));
    ASSERT_EQ(few.Save((folder.path() / "few.svg").string()), SaveResult::Saved);
    EXPECT_NE(
        folder.read("few.svg").find("<path stroke=\"#800000\" d=\"m1 2.5h2m1 0h1m-5 2h1\"/>\n"
                                    "<path stroke=\"#0000ff\" stroke-linecap=\"square\" d=\"m.5 .5h3\"/>"),
        std::string::npos);
}

// Each file of the folder and what it holds.
std::map<fs::path, std::string> held(const TempFolder& folder) {
    std::map<fs::path, std::string> files;
    for (const auto& file : fs::directory_iterator(folder.path()))
        files[file.path()] = ContentsOf(file.path());
    return files;
}

// Root may write anywhere: it saves as nobody where permissions refuse, and
// skips those rows where it cannot become nobody. Only root may mount a disk.
TEST(RasterPictureTest, AFailedSaveLeavesTheFolderAsItWasAndSaysWhy) {
    RasterPicture picture;  // 100 KB as a bitmap
    const auto old = [](TempFolder& f) { return f.write("p.bmp", "the old picture"), true; };
    const auto mode = [](const fs::path& path, mode_t mode) { return chmod(path.c_str(), mode) == 0; };
    const std::tuple<const char*, std::function<bool(TempFolder&)>, SaveResult> rows[] = {
        {"p.jpg", old, SaveResult::NotEncoded},
        {"gone/p.bmp", old, SaveResult::NoSuchFolder},
        {"p.bmp", [&](TempFolder& f) { return old(f) && mode(f.path(), 0555); },
         SaveResult::PermissionDenied},
        {"p.bmp",
         [&](TempFolder& f) { return old(f) && mode(f.path(), 0777) && mode(f.path() / "p.bmp", 0444); },
         SaveResult::PermissionDenied},
        {"p.bmp", [](TempFolder& f) { return f.mountTmpfs(MS_RDONLY); }, SaveResult::ReadOnlyFolder},
        {"p.bmp", [&](TempFolder& f) { return f.mountTmpfs(0, "size=8k") && old(f); }, SaveResult::DiskFull}};
    for (const auto& [name, prepare, reason] : rows) {
        TempFolder folder;
        if (!prepare(folder)) continue;  // a disk not mounted
        const auto before = held(folder);
        const bool asNobody = reason == SaveResult::PermissionDenied && geteuid() == 0;
        if (asNobody && setresuid(65534, 65534, 0) != 0) continue;
        const SaveResult saved = picture.Save((folder.path() / name).string());
        ASSERT_TRUE(!asNobody || setresuid(0, 0, 0) == 0);
        EXPECT_EQ(saved, reason) << name;
        EXPECT_EQ(held(folder), before) << name;
    }
}

// A new file has the permissions the process gives one, a file replaced keeps
// its own, a link stays one; past the drawing's limit only the SVG is refused.
TEST(RasterPictureTest, ReplacesAFileKeepingItsPermissions) {
    TempFolder folder;
    const std::string file = (folder.path() / "p").string();
    const auto permissions = [&] { return fs::status(file).permissions(); };
    RasterPicture picture;
    for (size_t i = 0; i <= Drawing::MaxShapes; ++i)
        picture.PSet(static_cast<float>(i % 4000), 10, QBColor(1));
    EXPECT_EQ(picture.Save(file + ".svg"), SaveResult::TooManyShapes);
    ASSERT_EQ(picture.Save(file), SaveResult::Saved);  // no extension: a bitmap
    folder.write("new", "");                           // as any new file is, by the umask
    EXPECT_EQ(permissions(), fs::status(folder.path() / "new").permissions());
    fs::remove(folder.path() / "new");
    fs::permissions(file, fs::perms(0604));
    fs::create_symlink("p", folder.path() / "link");
    ASSERT_EQ(picture.Save((folder.path() / "link").string()), SaveResult::Saved);
    EXPECT_EQ(permissions(), fs::perms(0604));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link"));
    EXPECT_EQ(folder.read("p").substr(0, 2), "BM");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);
}

}  // namespace
}  // namespace plotmere
