#pragma once

#include <windows.h>

inline constexpr UINT TrayCallbackMessage = WM_USER + 1;
inline constexpr UINT TrayIconId = 1000;
inline constexpr char TrayTip[] = "Jorvel";

void addTrayIcon(HWND mainWindow);
void removeTrayIcon(HWND mainWindow);
void handleTrayCallback(HWND mainWindow, WPARAM wParam, LPARAM lParam);
void handleTrayCommand(HWND mainWindow, int commandId);
