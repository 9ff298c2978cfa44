#include "app/tray_icon.h"

#include "app/about_dialog.h"

#include <shellapi.h>

#include "res/resource_ids.h"
#include "ui/config_dialog.h"
#include "ui/failure_boxes.h"

namespace {

// The first form of the record: older shells accept it, and it keeps the mouse
// messages in lParam.
void fillIdentity(NOTIFYICONDATAA& icon, HWND mainWindow) {
    ZeroMemory(&icon, sizeof icon);
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = mainWindow;
    icon.uID = TrayIconId;
}

void openConfigDialog(HWND mainWindow) {
    // The dialog has no taskbar button: once covered, this is the only way back to it.
    if (ConfigDialogOpen) {
        bringConfigDialogForward();
        return;
    }
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONFIG), mainWindow, ConfigDialogProc, 0) ==
        -1) {
        reportDialogFailure(mainWindow);
    }
}

void showTrayMenu(HWND mainWindow) {
    POINT point;
    GetCursorPos(&point);
    SetForegroundWindow(mainWindow);
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_TRAY));
    TrackPopupMenuEx(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, point.x, point.y, mainWindow, nullptr);
    // A fresh copy is loaded on every press, so each one is released here.
    DestroyMenu(menu);
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageA(mainWindow, WM_NULL, 0, 0);
}

} // namespace

static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88, "the first form of the tray record is 88 bytes");

void addTrayIcon(HWND mainWindow) {
    // Loaded once and kept: every shell restart adds the icon again.
    static HICON image = nullptr;
    if (image == nullptr) {
        image = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    }
    NOTIFYICONDATAA icon;
    fillIdentity(icon, mainWindow);
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = TrayCallbackMessage;
    icon.hIcon = image;
    lstrcpynA(icon.szTip, TrayTip, 64);
    // A shell still busy at sign-in lets the call time out, and an add that timed out may
    // have landed all the same: so modify first, and keep trying quietly until one succeeds.
    if (Shell_NotifyIconA(NIM_MODIFY, &icon) || Shell_NotifyIconA(NIM_ADD, &icon)) {
        KillTimer(mainWindow, TrayRetryTimer);
    } else {
        SetTimer(mainWindow, TrayRetryTimer, TrayRetryPeriodMs, nullptr);
    }
}

void removeTrayIcon(HWND mainWindow) {
    NOTIFYICONDATAA icon;
    fillIdentity(icon, mainWindow);
    Shell_NotifyIconA(NIM_DELETE, &icon);
}

void handleTrayCallback(HWND mainWindow, WPARAM wParam, LPARAM lParam) {
    if (wParam != TrayIconId) return;
    switch (lParam) {
    case WM_LBUTTONDBLCLK:
        SetForegroundWindow(mainWindow);
        openConfigDialog(mainWindow);
        break;
    case WM_RBUTTONDOWN:
        showTrayMenu(mainWindow);
        break;
    default:
        break;
    }
}

void handleTrayCommand(HWND mainWindow, int commandId) {
    switch (commandId) {
    case IDM_CONFIGURE:
        openConfigDialog(mainWindow);
        break;
    case IDM_HELP:
        ShellExecuteA(mainWindow, "open", "help.chm", nullptr, nullptr, SW_SHOWNORMAL);
        break;
    case IDM_ABOUT:
        if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), mainWindow, AboutDialogProc, 0) ==
            -1) {
            reportDialogFailure(mainWindow);
        }
        break;
    case IDM_EXIT:
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}
