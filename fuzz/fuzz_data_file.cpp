// A data file drawn by @Plot in graph mode: the file checks, the reading and the drawing.

#include "console/console.h"
#include "quiet_platform.h"
#include "scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path file = plotmere::fuzz::ScratchFolder() / "d0";
    plotmere::fuzz::WriteFile(file, data, size);
    plotmere::fuzz::QuietHost host;
    plotmere::NullPicture picture;
    plotmere::Console console(host, picture);
    console.state().WhichOp.Value = 1;
    console.state().FunctionIn.Text = "@Plot(\"" + file.string() + "\")";
    console.Click("Evaluate");
    return 0;
}
