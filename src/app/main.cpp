// Program start: the window, or with --headless the calculator driven from text.

#include <QGuiApplication>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <variant>

#include "app/command_line.h"
#include "app/headless/headless_console.h"
#include "app/manual_address.h"
#include "app/qt/artwork.h"
#include "app/qt/headless_picture.h"
#include "app/qt/run_window.h"

namespace {

// Qt's notes on its own working are no events of the console.
void onlySevereMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) qt_message_output(type, context, message);
}

// The start-up picture has text, and text takes an application: one that
// shows nothing, so that no display is needed, made only with that picture.
int runHeadless(int& argc, char** argv, const plotmere::CommandLine& line, const std::string& helpAddress) {
    qInstallMessageHandler(onlySevereMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Saved images carry the offscreen screen's 96 dpi, with or without an application.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    std::optional<QGuiApplication> app;  // outlives the picture; argc and argv outlive it
    plotmere::HeadlessPicture picture(line.scale, [&](double scale) {
        app.emplace(argc, argv);
        return plotmere::StartupPicture(scale);
    });
    plotmere::HeadlessConsole console(std::cout, std::cerr, picture, line.scale);
    console.console().SetHelpAddress(helpAddress);
    if (!line.scripts.empty()) console.console().scripts().SetFolder(line.scripts);
    if (line.file.empty()) return console.Run(std::cin);
    std::ifstream file(line.file);
    if (!file) {
        std::cerr << "plotmere: cannot read " << line.file << '\n';
        return 2;
    }
    return console.Run(file);
}

}  // namespace

int main(int argc, char** argv) {
    using plotmere::CommandLine;
    const auto read = plotmere::ReadCommandLine(argc, argv);
    if (const std::string* why = std::get_if<std::string>(&read)) {
        std::cerr << "plotmere: " << *why << "\n\n" << plotmere::Usage;
        return 2;
    }
    const CommandLine& line = std::get<CommandLine>(read);
    switch (line.mode) {
        case CommandLine::Mode::Help: std::cout << plotmere::Usage; return 0;
        case CommandLine::Mode::Version: std::cout << plotmere::VersionText(); return 0;
        case CommandLine::Mode::Headless: return runHeadless(argc, argv, line, plotmere::ManualAddress());
        case CommandLine::Mode::Window: break;
    }
    return plotmere::RunWindow(argc, argv, plotmere::ManualAddress());
}
