#pragma once

#include <windows.h>

// The two failures told while running; the user's answer is ignored.

inline void reportDialogFailure(HWND owner) {
    MessageBoxA(owner, "Dialog failed!", "Error", MB_OK | MB_ICONINFORMATION);
}

inline void reportTimerFailure(HWND owner) {
    MessageBoxA(owner, "Could not SetTimer()!", "Error", MB_OK | MB_ICONWARNING);
}
