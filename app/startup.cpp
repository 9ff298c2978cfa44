// The process entry. The program needs nothing of a C runtime (it formats with
// wsprintfA, scans with its own scanner and allocates nothing), so it starts here
// instead of in mingw's start-up code, and imports only Windows' own DLLs.
#include <windows.h>

namespace {

// What follows the program name, which may be quoted and hold spaces.
LPSTR argumentsAfterProgramName(LPSTR line) {
    bool quoted = false;
    for (; *line != '\0'; ++line) {
        if (*line == '"') {
            quoted = !quoted;
        } else if (!quoted && (*line == ' ' || *line == '\t')) {
            break;
        }
    }
    while (*line == ' ' || *line == '\t')
        ++line;
    return line;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show);

// Not WINAPI: on i686 that would decorate the name, ld would miss the entry symbol and
// start the program at the first function of .text.
extern "C" void WinMainCRTStartup() {
    STARTUPINFOA startup;
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    ExitProcess(static_cast<UINT>(
        WinMain(GetModuleHandleA(nullptr), nullptr, argumentsAfterProgramName(GetCommandLineA()), show)));
}
