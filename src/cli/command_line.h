#pragma once
// The commands Orvane answers without a window: help, version and the batch sizing of a table. They
// run before any GUI object exists, so they need no display.

#include <QStringList>

namespace orvane::cli {

// Whether the program's first argument names a command (batch, sheet, --help, --version ...); any
// other start opens the windows.
bool isCommand(const char* firstArgument);

// Runs the command of `arguments` (the program's name first). Exit status: 0 done and every row
// sized; 1 some rows got a notice or a fault report; 2 a bad file or a usage fault, with one line
// on stderr.
int run(const QStringList& arguments);

}  // namespace orvane::cli
