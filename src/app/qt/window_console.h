#pragma once
// The calculator with its windows: the core on the Qt platform, the Console,
// Settings and FunctionList windows built from their designs, and the binding
// between them.

#include "app/qt/form_window.h"
#include "app/qt/image_picture.h"
#include "app/qt/qt_host.h"
#include "app/qt/state_binding.h"
#include "app/qt/view_scale.h"
#include "app/qt/window_placement.h"
#include "console/console.h"

class QSettings;

namespace plotmere {

class WindowConsole {
public:
    // Shows the Console window in its start-up state, at the view scale kept
    // in settings when there are any, so that it comes up at its size.
    explicit WindowConsole(Dialogs& boxes, QSettings* settings = nullptr);

    Console& console() { return console_; }
    QtHost& host() { return host_; }
    ImagePicture& picture() { return picture_; }
    FormWindow& consoleWindow() { return consoleWindow_; }
    FormWindow& settingsWindow() { return settingsWindow_; }
    FormWindow& functionListWindow() { return functionListWindow_; }
    ViewScale& viewScale() { return viewScale_; }
    WindowPlacement& placement() { return placement_; }

private:
    ImagePicture picture_;
    QtHost host_;
    Console console_;
    FormWindow consoleWindow_;
    FormWindow settingsWindow_;
    FormWindow functionListWindow_;
    StateBinding binding_;
    ViewScale viewScale_;
    WindowPlacement placement_;

    void applyScale(double factor);
};

}  // namespace plotmere
