#include "core/settings_text.h"

#include "core/decimal_text.h"

namespace {

// Fields in file order: the joystick, then button, key and shift of slots 1 to 4.
int32_t fieldValue(const MappingSettings& settings, int field) {
    if (field == 0) return settings.joystickId;
    const KeySlot& slot = settings.slots[(field - 1) / 3];
    switch ((field - 1) % 3) {
    case 0:
        return slot.buttonNumber;
    case 1:
        return slot.virtualKey;
    default:
        return slot.shiftFlag;
    }
}

void storeField(MappingSettings& settings, int field, int32_t value) {
    if (field == 0) {
        settings.joystickId = value;
        return;
    }
    KeySlot& slot = settings.slots[(field - 1) / 3];
    switch ((field - 1) % 3) {
    case 0:
        slot.buttonNumber = value;
        break;
    case 1:
        slot.virtualKey = value;
        break;
    default:
        slot.shiftFlag = static_cast<uint8_t>(value);
        break;
    }
}

bool isConversion(const char* templateCursor) {
    return templateCursor[0] == '%' && templateCursor[1] == 'd';
}

} // namespace

void formatSettingsText(const MappingSettings& settings, char (&text)[SettingsTextCapacity]) {
    int length = 0;
    int field = 0;
    for (const char* t = SettingsTemplate; *t != '\0';) {
        if (isConversion(t)) {
            length += formatDecimal(fieldValue(settings, field++), text + length);
            t += 2;
        } else {
            text[length++] = *t++;
        }
    }
    text[length] = '\0';
}

int boundedTextLength(const char* text, int limit) {
    for (int i = 0; i <= limit; ++i) {
        if (text[i] == '\0') return i;
    }
    return 0;
}

void parseSettingsText(const char* text, MappingSettings& settings) {
    int field = 0;
    for (const char* t = SettingsTemplate; *t != '\0';) {
        if (isConversion(t)) {
            int32_t value = 0;
            if (!scanDecimal(text, value)) return;
            storeField(settings, field++, value);
            t += 2;
        } else if (isScanSpace(*t)) {
            // A run of template white space matches any run of text white space, even none.
            while (isScanSpace(*t))
                ++t;
            while (isScanSpace(*text))
                ++text;
        } else {
            if (*text != *t) return;
            ++text;
            ++t;
        }
    }
}
