// The web edition's headless console, run by Node: the desktop program's
// --headless, drawing its pictures without Qt.

#include <emscripten.h>

#include <filesystem>
#include <iostream>
#include <variant>

#include "app/image/raster_picture.h"
#include "app/manual_address.h"
#include "app/program.h"

namespace {

// The folder of this script, which Node knows and the program's arguments do not.
std::filesystem::path scriptFolder() {
    std::error_code unknown;
    return std::filesystem::canonical(emscripten_run_script_string("process.argv[1]"), unknown).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    using plotmere::CommandLine;
    const auto read = plotmere::ReadCommandLine(argc, argv);
    if (const auto status = plotmere::AnswerCommandLine(read, "WebAssembly")) return *status;
    const CommandLine& line = std::get<CommandLine>(read);
    if (line.mode == CommandLine::Mode::Window) {
        std::cerr << "plotmere: no window here; use --headless [FILE] to run without one\n";
        return 1;
    }
    plotmere::RasterPicture picture(line.scale);
    return plotmere::RunHeadless(line, picture, plotmere::ManualAddress(scriptFolder()));
}
