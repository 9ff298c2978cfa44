#pragma once

#include <string>

#include "core/mapping_settings.h"

// Joystick 1; buttons 1 to 4 send z, A (with Shift), Enter and Up Arrow.
inline MappingSettings exampleRecord() {
    MappingSettings s;
    s.joystickId = 0;
    s.slots[0] = {1, 90, 0};
    s.slots[1] = {2, 65, 1};
    s.slots[2] = {3, 13, 0};
    s.slots[3] = {4, 38, 0};
    return s;
}

inline const std::string exampleFile =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n2 : 65 , 1\r\n3 : 13 , 0\r\n4 : 38 , 0";

// A record with its initial values, as saved.
inline const std::string initialFile =
    "[Joystick]\r\n-1\r\n\r\n[Key Settings]\r\n-1 : -1 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0";
