#pragma once

#include <cstdint>

// The keys without a character that the chooser offers, in control-id order.
struct SpecialKey {
    int controlId;
    const char* text;
    int32_t virtualKey;
};

inline constexpr SpecialKey SpecialKeys[] = {
    {811, "Up Arrow", 38}, {812, "Down Arrow", 40}, {813, "Left Arrow", 37}, {814, "Right Arrow", 39}, {815, "ALT", 18},
    {816, "Shift", 16},    {817, "Insert", 45},     {818, "Delete", 46},     {819, "Home", 36},        {820, "End", 35},
    {821, "Page Up", 33},  {822, "CTRL", 17},       {823, "Page Down", 34},  {824, "Enter", 13},
};
