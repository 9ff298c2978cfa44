#include "ui/special_key_dialog.h"

#include "core/mapping_settings.h"
#include "ui/special_keys.h"

namespace {

// Checks the slot's key when it is one of the table's; gives the control to focus: that
// radio button, or Ok when none is checked.
int preselect(HWND dialog, LPARAM slot) {
    const int32_t code = slot >= 1 && slot <= SlotCount ? dialogWorkingCopy.virtualKeys[slot - 1] : 0;
    for (const SpecialKey& key : SpecialKeys) {
        if (key.virtualKey != code) continue;
        SendDlgItemMessageA(dialog, key.controlId, BM_SETCHECK, BST_CHECKED, 0);
        return key.controlId;
    }
    return IDOK;
}

INT_PTR checkedKey(HWND dialog) {
    for (const SpecialKey& key : SpecialKeys) {
        // BM_GETSTATE also reports focus and push bits; only the check bit counts.
        if (SendDlgItemMessageA(dialog, key.controlId, BM_GETSTATE, 0, 0) & BST_CHECKED) return key.virtualKey;
    }
    return 0;
}

} // namespace

INT_PTR CALLBACK SpecialKeyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        // Windows checks an automatic radio button that gets the focus, so the default focus
        // on "Up Arrow" would choose it. FALSE keeps the focus placed here.
        const HWND focus = GetDlgItem(dialog, preselect(dialog, lParam));
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
        return FALSE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(dialog, checkedKey(dialog));
            break;
        case IDCANCEL:
            EndDialog(dialog, 0);
            break;
        default:
            break;
        }
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
