#pragma once

#include <windows.h>

// Dialog 303: "&OK" or Enter ends it with 1, the close box with 0; Escape does nothing.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
