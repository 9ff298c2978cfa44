#pragma once

#include <windows.h>

// Dialog 302. Its parameter is the slot 1 to 4 whose working key preselects a choice;
// it ends with the chosen key code, or 0 for no change.
INT_PTR CALLBACK SpecialKeyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
