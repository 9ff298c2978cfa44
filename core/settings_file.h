#pragma once

inline constexpr char SettingsFileName[] = "jorvel.ini";

// Both act on the committed settings and fail silently.
void saveSettings();
void loadSettings();
