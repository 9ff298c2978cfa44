#include "input/key_char_mapper.h"

#include <windows.h>

KeyWithShift keyForChar(char c) {
    HKL usEnglish = LoadKeyboardLayoutA("00000409", 0);
    const SHORT scan = VkKeyScanExA(c, usEnglish);
    return {static_cast<uint8_t>(scan & 0xFF), static_cast<uint8_t>((scan >> 8) & 1)};
}

char charForKey(int32_t virtualKey, uint8_t shiftFlag) {
    BYTE keyState[256] = {};
    keyState[VK_SHIFT] = 0x80;
    const UINT unshifted = MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_CHAR);
    if (unshifted == 0) return 0;

    char text[2];
    if (shiftFlag != 0) {
        WORD produced = 0;
        // No character with Shift held: show the marker rather than an undefined byte.
        if (ToAscii(static_cast<UINT>(virtualKey), 0, keyState, &produced, 0) <= 0) return 0;
        wsprintfA(text, "%c", produced & 0xFF);
        return text[0];
    }
    wsprintfA(text, "%c", unshifted & 0xFF);
    CharLowerA(text);
    return text[0];
}
