#include <windows.h>
#include <mmsystem.h>

#include "input/bound_function.h"
#include "input/joystick_poller.h"

namespace {

using JoyGetPosExFunction = MMRESULT(WINAPI*)(UINT, LPJOYINFOEX);

// WINMM is not one of Windows' known DLLs: by name, a winmm.dll beside the exe (a
// downloads folder, an unpacked zip) would be loaded in its place. So it is bound from
// the system folder only, once, and kept for the life of the process.
JoyGetPosExFunction bindJoyGetPosEx() {
    HMODULE winmm = LoadLibraryExA("winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (winmm == nullptr) {
        // Windows without the search flags: the full path names the system copy.
        constexpr char name[] = "\\winmm.dll";
        char path[MAX_PATH];
        const UINT length = GetSystemDirectoryA(path, MAX_PATH);
        if (length == 0 || length + sizeof name > MAX_PATH) return nullptr;
        lstrcpyA(path + length, name);
        winmm = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    if (winmm == nullptr) return nullptr;
    return boundFunction<JoyGetPosExFunction>(winmm, "joyGetPosEx");
}

} // namespace

ButtonMaskReading readButtonMask(int32_t joystickId) {
    static bool bound = false;
    static JoyGetPosExFunction joyGetPosEx = nullptr;
    if (!bound) {
        joyGetPosEx = bindJoyGetPosEx();
        bound = true;
    }
    // Without WINMM there is no joystick: every query fails, and no bind is tried again.
    if (joyGetPosEx == nullptr) return {MMSYSERR_NODRIVER, 0};

    JOYINFOEX info;
    ZeroMemory(&info, sizeof info);
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNBUTTONS;
    const MMRESULT result = joyGetPosEx(static_cast<UINT>(joystickId), &info);
    return {result, static_cast<uint32_t>(info.dwButtons)};
}

uint32_t millisecondClock() {
    return GetTickCount();
}
