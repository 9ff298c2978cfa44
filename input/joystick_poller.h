#pragma once

#include <cstdint>

#include "core/press_dispatcher.h"

inline constexpr int32_t MaxJoysticks = 16;
inline constexpr uint32_t JoystickNoError = 0;

struct ButtonMaskReading {
    uint32_t resultCode; // 0 when the joystick answered
    uint32_t mask;       // bit n-1 set while button n is down; 0 when the query failed
};

// The platform seams: one fresh query of the joystick's buttons, and a millisecond clock
// that wraps after 49.7 days.
ButtonMaskReading readButtonMask(int32_t joystickId);
uint32_t millisecondClock();

// A joystick id whose query failed is not asked again for this long; meanwhile its
// buttons read as up.
inline constexpr uint32_t AbsentJoystickRetryMs = 500;

bool isButtonDown(int32_t joystickId, int32_t button);

// The lowest pressed button, 1 to 32, or -1 when none is down or the query fails.
int32_t firstPressedButton(int32_t joystickId);

// Fills ids with the present joysticks in ascending order, asking every id whatever
// earlier queries found; returns how many.
int listJoysticks(int32_t (&ids)[MaxJoysticks]);

class JoystickPoller final : public ButtonStateSource {
public:
    bool isButtonDown(int32_t joystickId, int32_t button) override;
};
