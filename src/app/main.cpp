// Program start: the window, or with --headless the calculator driven from text.

#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "app/headless/headless_console.h"
#include "app/qt/image_picture.h"
#include "app/qt/run_window.h"

namespace {

struct HeadlessOptions {
    double scale = 1;
    const char* scripts = nullptr;
    const char* file = nullptr;
};

// --headless [--scale N] [--scripts DIR] [FILE]; false (with a complaint)
// when they don't read.
bool readOptions(int argc, char** argv, HeadlessOptions& options) {
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scripts") == 0 && i + 1 < argc) {
            options.scripts = argv[++i];
        } else if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
            options.scale = std::atof(argv[++i]);
            if (!(options.scale >= 1 && options.scale <= 16)) {
                std::cerr << "plotmere: --scale takes a number from 1 to 16\n";
                return false;
            }
        } else if (!options.file && argv[i][0] != '-') {
            options.file = argv[i];
        } else {
            std::cerr << "usage: plotmere --headless [--scale N] [--scripts DIR] [FILE]\n";
            return false;
        }
    }
    return true;
}

int runHeadless(int argc, char** argv) {
    HeadlessOptions options;
    if (!readOptions(argc, argv, options)) return 2;
    plotmere::ImagePicture picture(options.scale);
    plotmere::HeadlessConsole console(std::cout, std::cerr, picture);
    if (options.scripts) console.console().scripts().SetFolder(options.scripts);
    if (!options.file) return console.Run(std::cin);
    std::ifstream file(options.file);
    if (!file) {
        std::cerr << "plotmere: cannot read " << options.file << '\n';
        return 2;
    }
    return console.Run(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--headless") == 0) return runHeadless(argc, argv);
    return plotmere::RunWindow(argc, argv);
}
