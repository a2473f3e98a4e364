// The whole headless console on an image picture.
//
// The input is an action list, then up to three files, each after a line
// --file--: the script files s0 and s1 and the data file d0, all in the
// scratch folder, which is also the script folder and the current folder.
// Actions that write (picture, answer) may name files there only.

#include <array>
#include <sstream>
#include <streambuf>

#include "app/headless/headless_console.h"
#include "app/qt/image_picture.h"
#include "lines.h"
#include "scratch.h"

namespace {

constexpr std::string_view Separator = "\n--file--\n";
constexpr std::array<const char*, 3> FileNames = {"s0", "s1", "d0"};

class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

std::vector<std::string_view> splitParts(std::string_view text) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t at = text.find(Separator, start);
        parts.push_back(text.substr(start, at == text.npos ? text.npos : at - start));
        if (at == text.npos) return parts;
        start = at + Separator.size();
    }
}

// An action that writes a file, naming one outside the current folder.
bool writesOutside(std::string_view line) {
    const bool writes = line.starts_with("picture") || line.starts_with("answer");
    return writes && (line.find('/') != line.npos || line.find("..") != line.npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fuzz = plotmere::fuzz;
    static const bool inScratchFolder = (std::filesystem::current_path(fuzz::ScratchFolder()), true);
    (void)inScratchFolder;

    const std::vector<std::string_view> parts = splitParts(fuzz::AsText(data, size));
    if (parts.size() > 1 + FileNames.size()) return -1;
    for (const std::string& line : fuzz::SplitLines(parts[0])) {
        if (writesOutside(line)) return -1;
    }
    fuzz::EmptyScratchFolder();
    for (size_t i = 1; i < parts.size(); ++i) {
        const auto* body = reinterpret_cast<const std::uint8_t*>(parts[i].data());
        fuzz::WriteFile(fuzz::ScratchFolder() / FileNames[i - 1], body, parts[i].size());
    }

    NullBuffer discard;
    std::ostream out(&discard);
    plotmere::ImagePicture picture;
    plotmere::HeadlessConsole console(out, out, picture);
    console.console().scripts().SetFolder(fuzz::ScratchFolder());
    std::istringstream actions{std::string(parts[0])};
    console.Run(actions);
    return 0;
}
