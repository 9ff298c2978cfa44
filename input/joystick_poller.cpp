#include "input/joystick_poller.h"

bool isButtonDown(int32_t joystickId, int32_t button) {
    const uint32_t mask = readButtonMask(joystickId).mask;
    if (button < 1 || button > 32) return false;
    return (mask >> (button - 1)) & 1u;
}

int32_t firstPressedButton(int32_t joystickId) {
    const uint32_t mask = readButtonMask(joystickId).mask;
    for (int bit = 0; bit < 32; ++bit) {
        if ((mask >> bit) & 1u) return bit + 1;
    }
    return Unset;
}

int listJoysticks(int32_t (&ids)[MaxJoysticks]) {
    int count = 0;
    for (int32_t id = 0; id < MaxJoysticks; ++id) {
        if (readButtonMask(id).resultCode == JoystickNoError) ids[count++] = id;
    }
    return count;
}

bool JoystickPoller::isButtonDown(int32_t joystickId, int32_t button) {
    return ::isButtonDown(joystickId, button);
}
