#pragma once

#include <cstdint>

struct KeyWithShift {
    int32_t virtualKey; // 0 to 255
    uint8_t shiftFlag;  // 0 or 1
};

// The key that types c on the US English layout, whatever layout is active;
// a character that layout cannot type gives 255 with Shift.
KeyWithShift keyForChar(char c);

// The character the key shows in the active layout, or 0 when it has none.
char charForKey(int32_t virtualKey, uint8_t shiftFlag);
