#pragma once
// The command line's messages follow the system's language: Chinese under a Chinese locale, English
// otherwise. Qt's translation mechanism: the texts are English in the code, their Chinese in
// translations/orvane_zh.ts, compiled with lrelease and built into the program.

#include <QString>

class QCoreApplication;

namespace orvane::cli {

// Installs the translation of the system's language, where the program has one. Call once the
// application object exists.
void installTranslations(QCoreApplication& app);

// A text of the command line in the system's language, also before any application object exists.
QString translated(const char* text);

}  // namespace orvane::cli
