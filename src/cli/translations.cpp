#include "translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace orvane::cli {

namespace {

// The translation of the system's language, loaded once; empty where there is none.
QTranslator& translator() {
    static QTranslator t;
    static const bool loaded = t.load(QLocale::system(), "orvane", "_", ":/i18n");
    (void)loaded;
    return t;
}

}  // namespace

void installTranslations(QCoreApplication& app) {
    if (!translator().isEmpty()) app.installTranslator(&translator());
}

QString translated(const char* text) {
    const QString t = translator().translate("orvane", text);
    return t.isEmpty() ? QString::fromUtf8(text) : t;
}

}  // namespace orvane::cli
