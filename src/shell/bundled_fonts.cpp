#include "bundled_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>

namespace orvane::shell {

QString bundledFontFolder() {
    return QCoreApplication::applicationDirPath() + "/fonts";
}

QStringList loadBundledFonts(const QString& folder) {
    QStringList families;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"*.ttf", "*.ttc", "*.otf"}, QDir::Files, QDir::Name)) {
        // Given as bytes, not as a path: a font engine may open a path only in the system's code page,
        // and the program's folder may have Chinese characters in its name.
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const int id = QFontDatabase::addApplicationFontFromData(file.readAll());
        if (id >= 0) families += QFontDatabase::applicationFontFamilies(id);
    }
    return families;
}

}  // namespace orvane::shell
