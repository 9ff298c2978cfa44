#pragma once

#include <cstdint>

// Enough for "-2147483648" and its terminator.
inline constexpr int DecimalTextCapacity = 12;

bool isScanSpace(char c);

// Writes value in decimal at out, without terminator; returns the number of characters.
int formatDecimal(int32_t value, char* out);

// Scans like "%d": skips white space, takes an optional sign and one or more digits.
// On success stores the value (saturated to 32 bits), advances cursor past the
// digits and returns true; without a digit it returns false and leaves value alone.
bool scanDecimal(const char*& cursor, int32_t& value);
