// Program start: the window, or with --headless the calculator driven from text.

#include <cstring>
#include <fstream>
#include <iostream>

#include "app/headless/headless_console.h"
#include "app/qt/image_picture.h"

namespace {

int runHeadless(int argc, char** argv) {
    plotmere::ImagePicture picture;
    plotmere::HeadlessConsole console(std::cout, std::cerr, picture);
    int fileArg = 2;
    if (argc > 2 && std::strcmp(argv[2], "--scripts") == 0) {
        if (argc < 4) {
            std::cerr << "plotmere: --scripts needs a folder\n";
            return 2;
        }
        console.console().scripts().SetFolder(argv[3]);
        fileArg = 4;
    }
    if (argc <= fileArg) return console.Run(std::cin);
    std::ifstream file(argv[fileArg]);
    if (!file) {
        std::cerr << "plotmere: cannot read " << argv[fileArg] << '\n';
        return 2;
    }
    return console.Run(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--headless") == 0) return runHeadless(argc, argv);
    std::cerr << "plotmere: the window is not built yet; run plotmere --headless [FILE]\n";
    return 1;
}
