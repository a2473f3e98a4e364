// Program start: the window, or with --headless the calculator driven from text.

#include <cstring>
#include <fstream>
#include <iostream>

#include "app/headless/headless_console.h"
#include "app/qt/image_picture.h"
#include "app/qt/run_window.h"

namespace {

int runHeadless(int argc, char** argv) {
    plotmere::ImagePicture picture;
    plotmere::HeadlessConsole console(std::cout, std::cerr, picture);
    if (argc < 3) return console.Run(std::cin);
    std::ifstream file(argv[2]);
    if (!file) {
        std::cerr << "plotmere: cannot read " << argv[2] << '\n';
        return 2;
    }
    return console.Run(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--headless") == 0) return runHeadless(argc, argv);
    return plotmere::RunWindow(argc, argv);
}
