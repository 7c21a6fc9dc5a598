#pragma once
// `orvane sheet CASE.orvane -o SHEET.pdf`: the calculation sheet of a saved case, written without a
// window. The case is put on a window of its kind kept in memory and calculated again, as pressing
// "计     算" after opening it would; the sheet documents that calculation.

#include <QStringList>

namespace orvane::shell {

// Needs a QGuiApplication (fonts), on the offscreen platform where there is no display.
// Exit status: 0 the sheet was written; 1 the case calculates to a fault (no sheet) ; 2 a bad case
// file, a file that cannot be written, or bad use.
int sheetCommand(const QStringList& arguments);

}  // namespace orvane::shell
