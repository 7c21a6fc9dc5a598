// Entry point of the window tests: a QApplication on the offscreen platform, so that no display is
// needed; settings in Qt's test folder. Qt's Chinese dialog texts load with the first message, as in the
// program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Settings the windows remember (the sheet's header fields) go to a test folder, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
