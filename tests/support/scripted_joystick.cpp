#include "tests/support/scripted_joystick.h"

ScriptedJoystick scriptedJoysticks[MaxJoysticks];
int scriptedQueryCount = 0;
int32_t scriptedFirstQueriedJoystick = -2;

void resetScriptedJoysticks() {
    for (ScriptedJoystick& joystick : scriptedJoysticks)
        joystick = {};
    scriptedQueryCount = 0;
    scriptedFirstQueriedJoystick = -2;
}

ButtonMaskReading readButtonMask(int32_t joystickId) {
    if (scriptedQueryCount++ == 0) scriptedFirstQueriedJoystick = joystickId;
    constexpr uint32_t unplugged = 167;
    if (joystickId < 0 || joystickId >= MaxJoysticks || !scriptedJoysticks[joystickId].present) {
        return {unplugged, 0};
    }
    return {JoystickNoError, scriptedJoysticks[joystickId].mask};
}
