#pragma once

#include <cstdint>

#include "input/joystick_poller.h"

// Test double behind readButtonMask: which joysticks answer and their button masks.
struct ScriptedJoystick {
    bool present = false;
    uint32_t mask = 0;
};

extern ScriptedJoystick scriptedJoysticks[MaxJoysticks];
extern int scriptedQueryCount;
extern int32_t scriptedFirstQueriedJoystick; // since the last reset; -2 before any query

void resetScriptedJoysticks();
