#include "app/qt/window_console.h"

#include <QGuiApplication>

#include "app/qt/artwork.h"
#include "app/qt/scale_controls.h"

namespace plotmere {

WindowConsole::WindowConsole(Dialogs& boxes)
    : picture_(qGuiApp->devicePixelRatio()),
      host_(boxes),
      console_(host_, picture_),
      consoleWindow_(ConsoleDesign(), &picture_),
      settingsWindow_(SettingsDesign(), nullptr),
      functionListWindow_(FunctionListDesign(), nullptr),
      binding_(console_, {&consoleWindow_, &settingsWindow_, &functionListWindow_}) {
    picture_.SetBackgroundPicture(StartupPicture(picture_.scale()));
    host_.SetBoxParent(&consoleWindow_);
    settingsWindow_.PlaceBeside(&consoleWindow_);
    functionListWindow_.PlaceBeside(&consoleWindow_);
    QObject::connect(&host_, &QtHost::refresh, &binding_, &StateBinding::Sync);
    QObject::connect(&host_, &QtHost::tick, &binding_, &StateBinding::Tick);
    QObject::connect(&host_, &QtHost::programEnded, &binding_, &StateBinding::CloseAll);
    QObject::connect(&consoleWindow_, &FormWindow::closed, &host_, &QtHost::EndProgram);
    for (FormWindow* window : {&consoleWindow_, &settingsWindow_, &functionListWindow_}) {
        AddScaleControls(*window, viewScale_);
        QObject::connect(&viewScale_, &ViewScale::changed, window, &FormWindow::SetScale);
    }
    binding_.Sync();
}

}  // namespace plotmere
