#pragma once

#include <windows.h>

inline constexpr char MainWindowClass[] = "myWindowClass";
inline constexpr char MainWindowTitle[] = "Jorvel";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The start-up steps of WinMain; each tells the user when it fails.
bool registerMainWindowClass(HINSTANCE instance);
HWND createMainWindow(HINSTANCE instance);

// Runs until WM_QUIT; gives its code.
int runMessageLoop();
