// libFuzzer target for the settings scanner. Each input is used twice:
// - as a settings file's first bytes: the scanner must leave every field exactly as the C
//   library's sscanf does with the template (numbers kept within 32 bits);
// - as the bytes of a record: formatting it and scanning the text back gives it again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/settings_text.h"
#include "tests/support/settings_fields.h"

namespace {

bool hasLongDigitRun(const char* text) {
    int run = 0;
    for (; *text != '\0'; ++text) {
        run = (*text >= '0' && *text <= '9') ? run + 1 : 0;
        if (run >= 10) return true;
    }
    return false;
}

void checkAgainstSscanf(const uint8_t* data, size_t size) {
    char text[SettingsFileLimit + 1] = {};
    std::memcpy(text, data, size < SettingsFileLimit ? size : SettingsFileLimit);
    if (hasLongDigitRun(text)) return; // out of 32-bit range, where sscanf's result is undefined

    MappingSettings scanned;
    parseSettingsText(text, scanned);

    const MappingSettings expected = scannedByLibrary(text, MappingSettings{});
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
