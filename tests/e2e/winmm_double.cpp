// Stands in for WINMM.dll: joyGetPosEx answers from the state that the test writes.
#define _WINMM_ // joyGetPosEx is this DLL's own, not an import
#include <windows.h>
#include <mmsystem.h>

#include "tests/e2e/simulated_joysticks.h"

extern "C" __declspec(dllexport) MMRESULT WINAPI joyGetPosEx(UINT id, LPJOYINFOEX info) {
    static SimulatedJoysticks* state = mapSimulatedJoysticks();
    // Asks from inside the program, once, whether its DLL search still tries the exe's folder.
    static const HMODULE probe = LoadLibraryA("probe.dll");
    if (probe != nullptr) state->dllBesideExeLoaded = 1;
    InterlockedIncrement(&state->queries);
    if (id >= 16 || info == nullptr || info->dwSize != sizeof(JOYINFOEX)) return JOYERR_PARMS;
    if (!((state->present >> id) & 1)) return JOYERR_UNPLUGGED;
    info->dwButtons = static_cast<DWORD>(state->masks[id]);
    return JOYERR_NOERROR;
}
