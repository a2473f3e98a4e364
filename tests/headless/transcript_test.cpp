// Whole commands through the headless console: each file under transcripts/
// holds the actions ("> " lines), the expected output (plain lines) and the
// expected complaints on standard error ("! " lines); "#" starts a comment.
// "{version}" in an expected line stands for the release the program shows.
// The scripts they start are in transcripts/scripts/.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/headless/headless_console.h"
#include "state/version.h"
#include "support/recording_picture.h"

namespace plotmere::testing {
namespace {

namespace fs = std::filesystem;

class TranscriptTest : public ::testing::TestWithParam<fs::path> {};

TEST_P(TranscriptTest, PrintsWhatAPersonWouldSee) {
    std::string actions, out, err;
    std::ifstream file(GetParam());
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("> ", 0) == 0) actions += line.substr(2) + '\n';
        else if (line.rfind("! ", 0) == 0) err += line.substr(2) + '\n';
        else if (!line.empty() && line[0] != '#') out += line + '\n';
    }
    const std::string placeholder = "{version}";
    for (std::size_t at; (at = out.find(placeholder)) != std::string::npos;)
        out.replace(at, placeholder.size(), Version);
    std::istringstream in(actions);
    std::ostringstream shownOut, shownErr;
    RecordingPicture picture;
    HeadlessConsole console(shownOut, shownErr, picture);
    console.console().scripts().SetFolder(fs::path(TRANSCRIPT_DIR) / "scripts");
    EXPECT_EQ(console.Run(in), err.empty() ? 0 : 2);
    EXPECT_EQ(shownOut.str(), out);
    EXPECT_EQ(shownErr.str(), err);
}

std::vector<fs::path> transcriptFiles() {
    std::vector<fs::path> files(fs::directory_iterator(TRANSCRIPT_DIR), {});
    std::erase_if(files, [](const fs::path& file) { return !fs::is_regular_file(file); });
    std::sort(files.begin(), files.end());
    return files;
}

INSTANTIATE_TEST_SUITE_P(Headless, TranscriptTest, ::testing::ValuesIn(transcriptFiles()),
                         [](const auto& info) { return info.param.stem().string(); });

}  // namespace
}  // namespace plotmere::testing
