#include "input/joystick_poller.h"

namespace {

// On Windows joyGetPosEx is slow for an id with no joystick connected, and the ticks
// would ask it 400 times a second all day long. Every id outside 0 to 15 shares the
// last entry: none of them can ever answer.
struct FailedQuery {
    bool failed;
    uint32_t at;
};
constinit FailedQuery lastFailure[MaxJoysticks + 1] = {};

uint32_t pollButtonMask(int32_t joystickId) {
    FailedQuery& failure = lastFailure[joystickId >= 0 && joystickId < MaxJoysticks ? joystickId : MaxJoysticks];
    // Unsigned difference: right across the clock's wrap.
    if (failure.failed && millisecondClock() - failure.at < AbsentJoystickRetryMs) return 0;
    const ButtonMaskReading reading = readButtonMask(joystickId);
    failure.failed = reading.resultCode != JoystickNoError;
    if (failure.failed) failure.at = millisecondClock();
    return reading.mask;
}

} // namespace

bool isButtonDown(int32_t joystickId, int32_t button) {
    const uint32_t mask = pollButtonMask(joystickId);
    if (button < 1 || button > 32) return false;
    return (mask >> (button - 1)) & 1u;
}

int32_t firstPressedButton(int32_t joystickId) {
    const uint32_t mask = pollButtonMask(joystickId);
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
