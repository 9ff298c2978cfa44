#pragma once

#include <cstdint>
#include <cstdio>

#include "core/settings_text.h"

// The record's thirteen fields in file order, so that records compare and print field by
// field, and the C library's reading of a text as the reference the scanner must match.

inline void settingsFields(const MappingSettings& s, int32_t (&out)[13]) {
    out[0] = s.joystickId;
    for (int i = 0; i < SlotCount; ++i) {
        out[1 + 3 * i] = s.slots[i].buttonNumber;
        out[2 + 3 * i] = s.slots[i].virtualKey;
        out[3 + 3 * i] = s.slots[i].shiftFlag;
    }
}

inline bool sameRecord(const MappingSettings& a, const MappingSettings& b) {
    int32_t x[13], y[13];
    settingsFields(a, x);
    settingsFields(b, y);
    for (int i = 0; i < 13; ++i) {
        if (x[i] != y[i]) return false;
    }
    return true;
}

// What sscanf with the template leaves in a record that held start: fields after the first
// mismatch keep their values. Numbers beyond 32 bits are the caller's to avoid.
inline MappingSettings scannedByLibrary(const char* text, const MappingSettings& start) {
    int v[13];
    settingsFields(start, v);
    std::sscanf(text, SettingsTemplate, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10],
                &v[11], &v[12]);
    MappingSettings result;
    result.joystickId = v[0];
    for (int i = 0; i < SlotCount; ++i)
        result.slots[i] = {v[1 + 3 * i], v[2 + 3 * i], static_cast<uint8_t>(v[3 + 3 * i])};
    return result;
}
