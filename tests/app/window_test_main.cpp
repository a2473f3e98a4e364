// The window tests run without a display unless told otherwise, also when the build lists them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/qt/window_style.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps the file dialog's state where every Qt program of the user does.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setStyle(new plotmere::WindowStyle);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
