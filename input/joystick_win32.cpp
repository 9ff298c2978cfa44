#include <windows.h>
#include <mmsystem.h>

#include "input/joystick_poller.h"

ButtonMaskReading readButtonMask(int32_t joystickId) {
    JOYINFOEX info;
    ZeroMemory(&info, sizeof info);
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNBUTTONS;
    const MMRESULT result = joyGetPosEx(static_cast<UINT>(joystickId), &info);
    return {result, static_cast<uint32_t>(info.dwButtons)};
}
