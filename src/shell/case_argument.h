#pragma once
// A case file named on the command line: what opening a ".orvane" file from the desktop does
// (orvane PATH.orvane). It opens in the calculator its "window" key names, beside the cover.

#include <QString>
#include <QStringList>
#include <optional>

namespace orvane::shell {

class CoverWindow;

// The case file among the program's arguments (the program's name first): the first argument that
// is no option. Options, such as Qt's own or ones this program does not know, are passed over.
std::optional<QString> caseArgument(const QStringList& arguments);

// Opens the case in its calculator window, which the cover opens; empty when it opened, otherwise
// why not (the cover alone stays open).
QString openCase(CoverWindow& cover, const QString& path);

// The program's start with its arguments: opens the case they name, if any, and says in a message
// why it could not.
void openCaseOfArguments(CoverWindow& cover, const QStringList& arguments);

}  // namespace orvane::shell
