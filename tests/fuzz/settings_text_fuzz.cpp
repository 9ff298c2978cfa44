// libFuzzer target for the settings scanner. Each input is used twice:
// - as a settings file's first bytes: the scanner must leave every field exactly as the C
//   library's sscanf does with the template (numbers kept within 32 bits);
// - as the bytes of a record: formatting it and scanning the text back gives it again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/settings_text.h"

namespace {

bool hasLongDigitRun(const char* text) {
    int run = 0;
    for (; *text != '\0'; ++text) {
        run = (*text >= '0' && *text <= '9') ? run + 1 : 0;
        if (run >= 10) return true;
    }
    return false;
}

bool sameRecord(const MappingSettings& a, const MappingSettings& b) {
    if (a.joystickId != b.joystickId) return false;
    for (int i = 0; i < SlotCount; ++i) {
        if (a.slots[i].buttonNumber != b.slots[i].buttonNumber || a.slots[i].virtualKey != b.slots[i].virtualKey ||
            a.slots[i].shiftFlag != b.slots[i].shiftFlag) {
            return false;
        }
    }
    return true;
}

void checkAgainstSscanf(const uint8_t* data, size_t size) {
    char text[SettingsFileLimit + 1] = {};
    std::memcpy(text, data, size < SettingsFileLimit ? size : SettingsFileLimit);
    if (hasLongDigitRun(text)) return; // out of 32-bit range, where sscanf's result is undefined

    MappingSettings scanned;
    parseSettingsText(text, scanned);

    int v[13] = {-1, -1, -1, 0, -1, -1, 0, -1, -1, 0, -1, -1, 0};
    std::sscanf(text, SettingsTemplate, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10],
                &v[11], &v[12]);
    MappingSettings expected;
    expected.joystickId = v[0];
    for (int i = 0; i < SlotCount; ++i)
        expected.slots[i] = {v[1 + 3 * i], v[2 + 3 * i], static_cast<uint8_t>(v[3 + 3 * i])};

    if (!sameRecord(scanned, expected)) {
        std::fprintf(stderr, "scanner and sscanf differ on: \"%s\"\n", text);
        std::abort();
    }
}

void checkRoundTrip(const uint8_t* data, size_t size) {
    int32_t fields[9] = {};
    uint8_t shiftFlags[SlotCount] = {};
    if (size < sizeof fields + sizeof shiftFlags) return;
    std::memcpy(fields, data, sizeof fields);
    std::memcpy(shiftFlags, data + sizeof fields, sizeof shiftFlags);

    MappingSettings record;
    record.joystickId = fields[0];
    for (int i = 0; i < SlotCount; ++i)
        record.slots[i] = {fields[1 + 2 * i], fields[2 + 2 * i], shiftFlags[i]};

    char text[SettingsTextCapacity];
    formatSettingsText(record, text);
    MappingSettings scanned;
    parseSettingsText(text, scanned);
    if (!sameRecord(record, scanned)) {
        std::fprintf(stderr, "the record does not come back from: \"%s\"\n", text);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkAgainstSscanf(data, size);
    checkRoundTrip(data, size);
    return 0;
}
