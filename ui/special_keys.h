#pragma once

#include <cstdint>

// The keys without a character that the chooser offers, in control-id order: Up, Down,
// Left and Right Arrow, ALT, Shift, Insert, Delete, Home, End, Page Up, CTRL, Page Down
// and Enter. Their captions live in the dialog template only.
struct SpecialKey {
    int controlId;
    int32_t virtualKey;
};

inline constexpr SpecialKey SpecialKeys[] = {
    {811, 38}, {812, 40}, {813, 37}, {814, 39}, {815, 18}, {816, 16}, {817, 45},
    {818, 46}, {819, 36}, {820, 35}, {821, 33}, {822, 17}, {823, 34}, {824, 13},
};
