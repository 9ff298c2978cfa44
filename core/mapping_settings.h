#pragma once

#include <cstdint>

// -1 in any integer field means "not set".
inline constexpr int32_t Unset = -1;
inline constexpr int SlotCount = 4;

struct KeySlot {
    int32_t buttonNumber = Unset;
    int32_t virtualKey = Unset;
    uint8_t shiftFlag = 0;
};

struct MappingSettings {
    int32_t joystickId = Unset;
    KeySlot slots[SlotCount];
};

// The configuration dialog edits this and commits it only on Ok.
struct DialogWorkingCopy {
    int32_t joystickId = Unset;
    int32_t virtualKeys[SlotCount] = {Unset, Unset, Unset, Unset};
    uint8_t shiftFlags[SlotCount] = {0, 0, 0, 0};
};

// The one committed record and the one working copy of the process.
extern MappingSettings mappingSettings;
extern DialogWorkingCopy dialogWorkingCopy;
