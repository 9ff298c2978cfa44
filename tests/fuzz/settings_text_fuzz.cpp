// libFuzzer target: the scanner must leave every field of a record exactly as the C
// library's sscanf does with the same template, whatever a settings file's first bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/settings_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char text[SettingsFileLimit + 1] = {};
    std::memcpy(text, data, size < SettingsFileLimit ? size : SettingsFileLimit);
    // sscanf's result is undefined past 32 bits, so runs of ten digits or more are left out.
    for (int i = 0, run = 0; text[i] != '\0'; ++i) {
        run = text[i] >= '0' && text[i] <= '9' ? run + 1 : 0;
        if (run >= 10) return 0;
    }
    // Both start at 7, so that a field stored where sscanf stores nothing shows.
    MappingSettings scanned{7, {{7, 7, 7}, {7, 7, 7}, {7, 7, 7}, {7, 7, 7}}};
    parseSettingsText(text, scanned);

    int v[13] = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    std::sscanf(text, SettingsTemplate, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10],
                &v[11], &v[12]);
    for (int i = 0; i < SlotCount; ++i) {
        const KeySlot& slot = scanned.slots[i];
        if (slot.buttonNumber != v[1 + 3 * i] || slot.virtualKey != v[2 + 3 * i] ||
            slot.shiftFlag != static_cast<uint8_t>(v[3 + 3 * i]) || scanned.joystickId != v[0]) {
            std::fprintf(stderr, "scanner and sscanf differ on: \"%s\"\n", text);
            std::abort();
        }
    }
    return 0;
}
