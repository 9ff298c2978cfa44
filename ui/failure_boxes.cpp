#include "ui/failure_boxes.h"

void reportDialogFailure(HWND owner) {
    MessageBoxA(owner, "Dialog failed!", "Error", MB_OK | MB_ICONINFORMATION);
}

void reportTimerFailure(HWND owner) {
    MessageBoxA(owner, "Could not SetTimer()!", "Error", MB_OK | MB_ICONWARNING);
}
