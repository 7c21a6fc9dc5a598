#pragma once
// Faces shipped beside the program. The calculation sheet is set in "DejaVu Sans" and "WenQuanYi
// Micro Hei" and embeds them in its PDF; a Windows system has neither, so the Windows package
// carries them in a "fonts" folder next to orvane.exe and the program loads them at start.

#include <QString>
#include <QStringList>

namespace orvane::shell {

// The folder next to the program that holds its faces.
QString bundledFontFolder();

// Makes every face (*.ttf, *.ttc, *.otf) in `folder` available to the program; the families they
// add, in the order of the files' names. A folder that does not exist adds none.
QStringList loadBundledFonts(const QString& folder);

}  // namespace orvane::shell
