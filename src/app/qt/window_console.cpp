#include "app/qt/window_console.h"

#include <QGuiApplication>

#include "app/qt/artwork.h"
#include "app/qt/scale_controls.h"
#include "app/qt/window_style.h"

namespace plotmere {

WindowConsole::WindowConsole(Dialogs& boxes, QSettings* settings)
    : picture_(qGuiApp->devicePixelRatio()),
      host_(boxes),
      console_(host_, picture_),
      consoleWindow_(ConsoleDesign(), &picture_),
      settingsWindow_(SettingsDesign(), nullptr),
      functionListWindow_(FunctionListDesign(), nullptr),
      binding_(console_, {&consoleWindow_, &settingsWindow_, &functionListWindow_}),
      placement_(consoleWindow_, {&settingsWindow_, &functionListWindow_}, viewScale_) {
    SetApplicationScale(viewScale_.factor());
    picture_.SetBackgroundPicture(StartupPicture(picture_.scale()));
    host_.SetBoxParent(&consoleWindow_);
    QObject::connect(&host_, &QtHost::refresh, &binding_, &StateBinding::Sync);
    QObject::connect(&host_, &QtHost::tick, &binding_, &StateBinding::Tick);
    QObject::connect(&host_, &QtHost::programEnded, &binding_, &StateBinding::CloseAll);
    QObject::connect(&consoleWindow_, &FormWindow::closed, &host_, &QtHost::EndProgram);
    for (FormWindow* window : {&consoleWindow_, &settingsWindow_, &functionListWindow_}) {
        AddScaleControls(*window, viewScale_);
    }
    QObject::connect(&viewScale_, &ViewScale::changed, &consoleWindow_,
                     [this](double factor) { applyScale(factor); });
    QObject::connect(&viewScale_, &ViewScale::refused, &host_, &QtHost::Beep);
    placement_.Fit();
    if (settings) viewScale_.Remember(*settings);
    binding_.Sync();
}

void WindowConsole::applyScale(double factor) {
    SetApplicationScale(factor);
    for (FormWindow* window : {&consoleWindow_, &settingsWindow_, &functionListWindow_})
        window->SetScale(factor);
    placement_.Rearrange();
}

}  // namespace plotmere
