#pragma once

#include <windows.h>

#include <cstdint>

// Set from the dialog's opening until its window is destroyed; the tray opens no
// second dialog meanwhile.
extern uint8_t ConfigDialogOpen;

// Brings the open dialog, or what it has opened above itself, to the foreground.
void bringConfigDialogForward();

// Dialog 301. Edits the working copy; only Ok commits it to the mapping settings.
INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
