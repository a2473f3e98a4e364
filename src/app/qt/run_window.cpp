#include "app/qt/run_window.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/qt/artwork.h"
#include "app/qt/dialogs.h"
#include "app/qt/window_console.h"
#include "app/qt/window_style.h"

namespace plotmere {

namespace {

// Qt's messages while it looks for a display: held back, because without one
// Qt ends the program with several lines that do not say what to do.
std::vector<QString> heldMessages;

void holdStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs("plotmere: no display available; use plotmere --headless [FILE] to run without a window\n",
                   stderr);
        std::_Exit(1);
    }
    heldMessages.push_back(message);
}

}  // namespace

int RunWindow(int& argc, char** argv, const std::string& helpAddress) {
    const QtMessageHandler previous = qInstallMessageHandler(holdStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : heldMessages) std::fprintf(stderr, "%s\n", qPrintable(message));
    heldMessages.clear();

    QApplication::setStyle(new WindowStyle);
    QApplication::setWindowIcon(WindowIcon());
    QGuiApplication::setDesktopFileName("org.plotmere.Plotmere");  // the desktop entry, its icon and name
    ModalDialogs boxes;
    QSettings settings("plotmere", "plotmere");
    WindowConsole windows(boxes, &settings);
    windows.console().SetHelpAddress(helpAddress);
    QObject::connect(&windows.host(), &QtHost::programEnded, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

}  // namespace plotmere
