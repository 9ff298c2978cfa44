#include "core/settings_file.h"

#include <windows.h>

#include "core/settings_text.h"

void saveSettings() {
    // Opening empties the file, so a text too long to write leaves it empty.
    HANDLE file = CreateFileA(SettingsFileName, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    char text[SettingsTextCapacity];
    formatSettingsText(mappingSettings, text);
    const DWORD length = static_cast<DWORD>(boundedTextLength(text, SettingsFileLimit));
    DWORD written = 0;
    WriteFile(file, text, length, &written, nullptr);
    CloseHandle(file);
}

void loadSettings() {
    HANDLE file = CreateFileA(SettingsFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    char text[SettingsFileLimit + 1];
    DWORD length = 0;
    if (!ReadFile(file, text, SettingsFileLimit, &length, nullptr)) length = 0;
    text[length] = '\0';
    parseSettingsText(text, mappingSettings);
    CloseHandle(file);
}
