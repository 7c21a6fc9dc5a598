#include "bundled_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace orvane::shell {

QString bundledFontFolder() {
    return QCoreApplication::applicationDirPath() + "/fonts";
}

QStringList loadBundledFonts(const QString& folder) {
    QStringList families;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"*.ttf", "*.ttc", "*.otf"}, QDir::Files, QDir::Name)) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(name));
        if (id >= 0) families += QFontDatabase::applicationFontFamilies(id);
    }
    return families;
}

}  // namespace orvane::shell
