#include "qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orvane {

bool ensureChineseQtTexts() {
    static const bool installed = [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            return false;
        }
        return QCoreApplication::installTranslator(translator);
    }();
    return installed;
}

}  // namespace orvane
