// Test runner of the window layer: one QApplication on the offscreen platform.
#include "shell/program.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings the tests write (the report's heading) stay out of the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    InstallSheetHost(); // the windows know the list of windows, as in the program
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
