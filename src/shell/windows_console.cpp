#include "windows_console.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace orvane::shell {

#ifdef _WIN32
void releaseOwnConsole() {
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1) FreeConsole();
}
#else
void releaseOwnConsole() {}
#endif

}  // namespace orvane::shell
