// Program start: the window, or with --headless the calculator driven from text.

#include <QGuiApplication>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "app/manual_address.h"
#include "app/program.h"
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
    return plotmere::RunHeadless(line, picture, helpAddress);
}

// The folder of the program itself, however it was started.
std::filesystem::path programFolder() {
    std::error_code unknown;
    return std::filesystem::canonical("/proc/self/exe", unknown).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    using plotmere::CommandLine;
    const auto read = plotmere::ReadCommandLine(argc, argv);
    if (const auto status = plotmere::AnswerCommandLine(read, std::string("Qt ") + qVersion()))
        return *status;
    const CommandLine& line = std::get<CommandLine>(read);
    const std::string manual = plotmere::ManualAddress(programFolder());
    if (line.mode == CommandLine::Mode::Headless) return runHeadless(argc, argv, line, manual);
    return plotmere::RunWindow(argc, argv, manual);
}
