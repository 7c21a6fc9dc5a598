#pragma once
// orvane.exe is a console program, so that its commands (batch, sheet, --help) write to the console
// they are typed in. Started from the desktop, Windows gives it a console window of its own; the
// windowed program closes that window at once.

namespace orvane::shell {

// On Windows, leaves the console when no other program shares it (it was made for this one);
// elsewhere, and in a console the user typed the command in, does nothing.
void releaseOwnConsole();

}  // namespace orvane::shell
