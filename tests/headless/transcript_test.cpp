// Whole commands through the headless console: each file under transcripts/
// holds the actions ("> " lines), the expected output (plain lines) and the
// expected complaints on standard error ("! " lines).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/headless/headless_console.h"
#include "support/recording_picture.h"

namespace plotmere::testing {
namespace {

namespace fs = std::filesystem;

struct Transcript {
    std::string actions, out, err;
};

Transcript load(const fs::path& file) {
    Transcript t;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("> ", 0) == 0) t.actions += line.substr(2) + '\n';
        else if (line.rfind("! ", 0) == 0) t.err += line.substr(2) + '\n';
        else if (!line.empty() && line[0] != '#') t.out += line + '\n';
    }
    return t;
}

std::vector<fs::path> transcriptFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(TRANSCRIPT_DIR)) {
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class TranscriptTest : public ::testing::TestWithParam<fs::path> {};

TEST_P(TranscriptTest, PrintsWhatAPersonWouldSee) {
    const Transcript expected = load(GetParam());
    std::istringstream in(expected.actions);
    std::ostringstream out, err;
    RecordingPicture picture;
    HeadlessConsole console(out, err, picture);
    const int status = console.Run(in);
    EXPECT_EQ(out.str(), expected.out);
    EXPECT_EQ(err.str(), expected.err);
    EXPECT_EQ(status, expected.err.empty() ? 0 : 2);
}

INSTANTIATE_TEST_SUITE_P(Headless, TranscriptTest, ::testing::ValuesIn(transcriptFiles()),
                         [](const auto& info) { return info.param.stem().string(); });

}  // namespace
}  // namespace plotmere::testing
