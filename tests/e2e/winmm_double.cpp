// Stands in for WINMM.dll in end-to-end runs: joyGetPosEx answers from the shared state
// that the test writes. Without that state every joystick is unplugged.
// Declared as this DLL's own functions, not as imports.
#define _WINMM_
#include <windows.h>
#include <mmsystem.h>

#include "tests/e2e/simulated_joystick.h"

namespace {
SimulatedJoysticks* state = nullptr;
}

extern "C" __declspec(dllexport) MMRESULT WINAPI joyGetPosEx(UINT id, LPJOYINFOEX info) {
    if (state == nullptr) state = mapSimulatedJoysticks(false);
    if (state == nullptr) return JOYERR_UNPLUGGED;
    InterlockedIncrement(&state->queryCount);
    if (id >= 16) return JOYERR_PARMS;
    if (info == nullptr || info->dwSize != sizeof(JOYINFOEX)) return JOYERR_PARMS;
    if (!((state->presentIds >> id) & 1)) return JOYERR_UNPLUGGED;
    info->dwButtons = static_cast<DWORD>(state->buttonMasks[id]);
    if (info->dwButtons != 0) InterlockedIncrement(&state->queriesSeeingButtons);
    return JOYERR_NOERROR;
}

#ifdef JORVEL_PLANTED_COPY
// The same DLL planted beside a program: it only reports that it was loaded.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        if (SimulatedJoysticks* shared = mapSimulatedJoysticks(false)) InterlockedIncrement(&shared->plantedLoads);
    }
    return TRUE;
}
#endif
