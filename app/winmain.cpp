#include <windows.h>

#include "app/main_window.h"

static_assert(sizeof(void*) != 4 || sizeof(WNDCLASSEXA) == 48, "the class record is 48 bytes on 32-bit Windows");

// The command line and the show command are ignored: no arguments, and the window stays hidden.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!registerMainWindowClass(instance)) return 0;
    if (createMainWindow(instance) == nullptr) return 0;
    return runMessageLoop();
}
