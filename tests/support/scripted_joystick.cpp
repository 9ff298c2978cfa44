#include "tests/support/scripted_joystick.h"

ScriptedJoystick scriptedJoysticks[MaxJoysticks];
int scriptedQueryCount = 0;

void resetScriptedJoysticks() {
    for (ScriptedJoystick& joystick : scriptedJoysticks) joystick = {};
    scriptedQueryCount = 0;
}

ButtonMaskReading readButtonMask(int32_t joystickId) {
    ++scriptedQueryCount;
    constexpr uint32_t unplugged = 167;
    if (joystickId < 0 || joystickId >= MaxJoysticks || !scriptedJoysticks[joystickId].present) {
        return {unplugged, 0};
    }
    return {JoystickNoError, scriptedJoysticks[joystickId].mask};
}
