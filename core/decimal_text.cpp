#include "core/decimal_text.h"

bool isScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int formatDecimal(int32_t value, char* out) {
    // Work in the unsigned magnitude so that INT32_MIN needs no special case.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char reversed[10];
    int digitCount = 0;
    do {
        reversed[digitCount++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    int length = 0;
    if (value < 0) out[length++] = '-';
    while (digitCount > 0)
        out[length++] = reversed[--digitCount];
    return length;
}

bool scanDecimal(const char*& cursor, int32_t& value) {
    const char* p = cursor;
    while (isScanSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p < '0' || *p > '9') return false;

    // Accumulate up to one past INT32_MAX's magnitude, then saturate.
    constexpr int64_t limit = int64_t{INT32_MAX} + 1;
    int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (magnitude <= limit) magnitude = magnitude * 10 + (*p - '0');
    }
    if (negative) {
        value = magnitude >= limit ? INT32_MIN : static_cast<int32_t>(-magnitude);
    } else {
        value = magnitude > INT32_MAX ? INT32_MAX : static_cast<int32_t>(magnitude);
    }
    cursor = p;
    return true;
}
