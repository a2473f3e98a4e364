// A script file: read on its own, then run as script s0 from the function box.

#include <sstream>

#include "console/console.h"
#include "console/script_lines.h"
#include "lines.h"
#include "quiet_platform.h"
#include "scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in{std::string(plotmere::fuzz::AsText(data, size))};
    plotmere::ReadScriptLines(in);

    const std::filesystem::path& folder = plotmere::fuzz::ScratchFolder();
    plotmere::fuzz::WriteFile(folder / "s0", data, size);
    plotmere::fuzz::QuietHost host;
    plotmere::NullPicture picture;
    plotmere::Console console(host, picture);
    console.scripts().SetFolder(folder);
    console.state().FunctionIn.Text = "\"s0\"";
    console.Click("Evaluate");
    return 0;
}
