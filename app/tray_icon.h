#pragma once

#include <windows.h>

inline constexpr UINT TrayCallbackMessage = WM_USER + 1;
inline constexpr UINT TrayIconId = 1000;
inline constexpr char TrayTip[] = "Jorvel";

// A timer of the main window, beside the poll timer, while the shell refuses the icon.
inline constexpr UINT_PTR TrayRetryTimer = 3;
inline constexpr UINT TrayRetryPeriodMs = 2000;

// Shows the icon, or keeps trying every TrayRetryPeriodMs until the shell takes it.
void addTrayIcon(HWND mainWindow);
void removeTrayIcon(HWND mainWindow);
void handleTrayCallback(HWND mainWindow, WPARAM wParam, LPARAM lParam);
void handleTrayCommand(HWND mainWindow, int commandId);
