#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QtGlobal>

#include "state/version.h"

namespace plotmere {

const char* const Usage =
    "Usage: plotmere [--help | --version]\n"
    "       plotmere --headless [--scale N] [--scripts DIR] [FILE]\n"
    "\n"
    "Without options, plotmere opens its window: a graphing calculator.\n"
    "\n"
    "  --headless     run without a window: read actions (type, click, check,\n"
    "                 choose, key, press, wait, show, answer, picture) from FILE\n"
    "                 or standard input, one a line, and print the events a\n"
    "                 person at the window would see, one a line\n"
    "  --scale N      draw the picture at N device pixels per pixel (1 to 16)\n"
    "  --scripts DIR  read script files from DIR instead of ~/plotmere\n"
    "  --help         print this help and exit\n"
    "  --version      print the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  all went well\n"
    "  1  the window could not open (no display)\n"
    "  2  the command line, FILE or one of its lines could not be read\n";

std::string VersionText() { return std::string("plotmere ") + Version + " (Qt " + qVersion() + ")\n"; }

std::variant<CommandLine, std::string> ReadCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const QCommandLineOption help("help"), version("version"), headless("headless"),
        scale("scale", QString(), "N"), scripts("scripts", QString(), "DIR");
    QCommandLineParser parser;
    parser.addOptions({help, version, headless, scale, scripts});
    if (!parser.parse(arguments)) return parser.errorText().toStdString();

    CommandLine line;
    if (parser.isSet(help)) line.mode = CommandLine::Mode::Help;
    else if (parser.isSet(version)) line.mode = CommandLine::Mode::Version;
    if (line.mode != CommandLine::Mode::Window) return line;

    const QStringList files = parser.positionalArguments();
    if (!parser.isSet(headless)) {
        if (parser.isSet(scale) || parser.isSet(scripts) || !files.isEmpty()) {
            return std::string("--scale, --scripts and FILE go with --headless");
        }
        return line;
    }
    line.mode = CommandLine::Mode::Headless;
    if (files.size() > 1) return std::string("one FILE at most");
    if (!files.isEmpty()) line.file = files.front().toStdString();
    line.scripts = parser.value(scripts).toStdString();
    if (parser.isSet(scale)) {
        bool number = false;
        line.scale = parser.value(scale).toDouble(&number);
        if (!number || !(line.scale >= 1 && line.scale <= 16))
            return std::string("--scale takes a number from 1 to 16");
    }
    return line;
}

}  // namespace plotmere
