// The process entry. The program needs nothing of a C runtime (it formats with
// wsprintfA, scans with its own scanner and allocates nothing), so it starts here
// instead of in mingw's start-up code, and imports only Windows' own DLLs.
#include <windows.h>

#include "input/bound_function.h"

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

// Windows' own libraries load some DLLs by name (themes, text services, the handlers
// behind ShellExecute), and the standard search tries the exe's folder first: a
// downloads folder, an unpacked zip. Both calls are bound at run time.
void searchDllsInSystemFolderOnly() {
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    // Missing on Windows 7 and Vista without KB2533623, and on older Windows.
    const auto systemFolderOnly = boundFunction<BOOL(WINAPI*)(DWORD)>(kernel32, "SetDefaultDllDirectories");
    if (systemFolderOnly != nullptr && systemFolderOnly(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Takes at least the current folder out of the search; missing before XP SP1.
    const auto dllDirectory = boundFunction<BOOL(WINAPI*)(LPCSTR)>(kernel32, "SetDllDirectoryA");
    if (dllDirectory != nullptr) dllDirectory("");
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show);

// Not WINAPI: on i686 that would decorate the name, ld would miss the entry symbol and
// start the program at the first function of .text.
extern "C" void WinMainCRTStartup() {
    searchDllsInSystemFolderOnly();
    STARTUPINFOA startup;
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    ExitProcess(static_cast<UINT>(
        WinMain(GetModuleHandleA(nullptr), nullptr, argumentsAfterProgramName(GetCommandLineA()), show)));
}
