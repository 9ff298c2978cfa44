#pragma once

#include "core/mapping_settings.h"

// One template serves both directions: printf-style to write, scanf-style to read.
inline constexpr char SettingsTemplate[] = "[Joystick]\r\n%d\r\n\r\n[Key Settings]\r\n"
                                           "%d : %d , %d\r\n%d : %d , %d\r\n%d : %d , %d\r\n%d : %d , %d";

// The file never holds more than this many bytes, written or read.
inline constexpr int SettingsFileLimit = 100;

// Holds the longest possible text: 13 fields of "-2147483648" around the fixed text.
inline constexpr int SettingsTextCapacity = 256;

// Gives the whole text of the record, however long its values make it.
void formatSettingsText(const MappingSettings& settings, char (&text)[SettingsTextCapacity]);

// Index of the first NUL among positions 0..limit; 0 when none of them ends the text.
int boundedTextLength(const char* text, int limit);

// Scans text against the template, storing each field as soon as it is converted;
// fields after the first mismatch keep their values.
void parseSettingsText(const char* text, MappingSettings& settings);
