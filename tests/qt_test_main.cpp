// Entry point of the window tests: a QApplication on the offscreen platform (no display needed)
// with Qt's Chinese dialog texts, as the program has them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>

#include "shell/qt_texts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QTranslator qtTexts;
    orvane::shell::installChineseQtTexts(qtTexts);
    return RUN_ALL_TESTS();
}
