// Entry point of the window tests: a QApplication on the offscreen platform, so that no display is
// needed; settings in Qt's test folder; the faces of a "fonts" folder beside it loaded, as the program
// loads its own. Qt's Chinese dialog texts load with the first message, as in the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "shell/bundled_fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    orvane::shell::loadBundledFonts(orvane::shell::bundledFontFolder());  // as the program does
    // Recent cases and any other setting go to a scratch folder, never to the user's.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    return RUN_ALL_TESTS();
}
