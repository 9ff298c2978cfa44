#pragma once

#include <windows.h>

// The two failures told while running; the user's answer is ignored.
void reportDialogFailure(HWND owner);
void reportTimerFailure(HWND owner);
