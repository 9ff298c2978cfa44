#include "ui/config_dialog.h"

#include "core/decimal_text.h"
#include "core/mapping_settings.h"
#include "input/joystick_poller.h"
#include "input/key_char_mapper.h"
#include "res/resource_ids.h"
#include "ui/failure_boxes.h"
#include "ui/special_key_dialog.h"

uint8_t ConfigDialogOpen = 0;

namespace {

HWND openDialog = nullptr;

constexpr UINT_PTR CaptureTimer = 1;
constexpr UINT CapturePeriodMs = 10;
constexpr char SpecialKeyMarker[] = "::";

// The slot 1 to 4 whose button field has the focus, 0 for none.
int focusedButtonField = 0;

int buttonField(int slot) {
    return IDC_BUTTON_FIELD_1 + slot - 1;
}
int keyField(int slot) {
    return IDC_KEY_FIELD_1 + slot - 1;
}

// Fields hold at most two characters that matter; a longer text is read cut.
void readField(HWND dialog, int field, char (&text)[3]) {
    text[0] = text[1] = text[2] = '\0';
    SendDlgItemMessageA(dialog, field, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
}

void setField(HWND dialog, int field, const char* text) {
    SendDlgItemMessageA(dialog, field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void setFieldNumber(HWND dialog, int field, int32_t number) {
    char text[DecimalTextCapacity];
    wsprintfA(text, "%d", number);
    setField(dialog, field, text);
}

void fillJoystickList(HWND dialog) {
    int32_t ids[MaxJoysticks];
    const int count = listJoysticks(ids);
    for (int i = 0; i < count; ++i) {
        char entry[16];
        wsprintfA(entry, "Joystick %d", ids[i] + 1);
        const LRESULT index =
            SendDlgItemMessageA(dialog, IDC_JOYSTICK_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        SendDlgItemMessageA(dialog, IDC_JOYSTICK_LIST, CB_SETITEMDATA, index, ids[i]);
        if (ids[i] == mappingSettings.joystickId) {
            SendDlgItemMessageA(dialog, IDC_JOYSTICK_LIST, CB_SETCURSEL, index, 0);
        }
    }
}

void initialise(HWND dialog) {
    ConfigDialogOpen = 1;
    openDialog = dialog;
    fillJoystickList(dialog);

    dialogWorkingCopy.joystickId = mappingSettings.joystickId;
    focusedButtonField = 0;
    for (int i = 0; i < SlotCount; ++i) {
        dialogWorkingCopy.virtualKeys[i] = mappingSettings.slots[i].virtualKey;
        dialogWorkingCopy.shiftFlags[i] = mappingSettings.slots[i].shiftFlag;
    }

    if (SetTimer(dialog, CaptureTimer, CapturePeriodMs, nullptr) == 0) reportTimerFailure(dialog);

    for (int slot = 1; slot <= SlotCount; ++slot) {
        SendDlgItemMessageA(dialog, buttonField(slot), EM_LIMITTEXT, 2, 0);
        SendDlgItemMessageA(dialog, keyField(slot), EM_LIMITTEXT, 1, 0);
    }
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const int32_t button = mappingSettings.slots[slot - 1].buttonNumber;
        if (button != Unset) setFieldNumber(dialog, buttonField(slot), button);
    }
    // Setting a key field runs the key-field rule, just as typing does.
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const KeySlot& committed = mappingSettings.slots[slot - 1];
        if (committed.virtualKey == Unset) continue;
        const char c = charForKey(committed.virtualKey, committed.shiftFlag);
        const char text[2] = {c, '\0'};
        setField(dialog, keyField(slot), c != 0 ? text : SpecialKeyMarker);
    }
}

void applyKeyFieldRule(HWND dialog, int slot) {
    char text[3];
    readField(dialog, keyField(slot), text);
    if (text[1] == ':') return; // the marker of a key without a character
    if (text[0] != '\0') {
        const KeyWithShift key = keyForChar(text[0]);
        dialogWorkingCopy.virtualKeys[slot - 1] = key.virtualKey;
        dialogWorkingCopy.shiftFlags[slot - 1] = key.shiftFlag;
    } else {
        dialogWorkingCopy.virtualKeys[slot - 1] = Unset;
    }
}

void chooseSpecialKey(HWND dialog, int slot) {
    const INT_PTR chosen = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SPECIAL_KEY), dialog,
                                           SpecialKeyDialogProc, slot);
    if (chosen == -1) {
        reportDialogFailure(dialog);
    } else if (chosen != 0) {
        setField(dialog, keyField(slot), SpecialKeyMarker);
        dialogWorkingCopy.virtualKeys[slot - 1] = static_cast<int32_t>(chosen);
    }
}

void selectJoystick(HWND dialog) {
    const LRESULT index = SendDlgItemMessageA(dialog, IDC_JOYSTICK_LIST, CB_GETCURSEL, 0, 0);
    dialogWorkingCopy.joystickId =
        static_cast<int32_t>(SendDlgItemMessageA(dialog, IDC_JOYSTICK_LIST, CB_GETITEMDATA, index, 0));
}

void commit(HWND dialog) {
    mappingSettings.joystickId = dialogWorkingCopy.joystickId;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        char text[3];
        readField(dialog, buttonField(slot), text);
        const char* cursor = text;
        int32_t button = Unset; // an emptied field unsets the button, as an emptied key field does
        scanDecimal(cursor, button);
        mappingSettings.slots[slot - 1].buttonNumber = button;
    }
    for (int i = 0; i < SlotCount; ++i) {
        mappingSettings.slots[i].virtualKey = dialogWorkingCopy.virtualKeys[i];
        mappingSettings.slots[i].shiftFlag = dialogWorkingCopy.shiftFlags[i];
    }
    EndDialog(dialog, IDOK);
}

void captureTick(HWND dialog) {
    if (dialogWorkingCopy.joystickId == Unset || focusedButtonField == 0) return;
    const int32_t button = firstPressedButton(dialogWorkingCopy.joystickId);
    if (button != Unset) setFieldNumber(dialog, buttonField(focusedButtonField), button);
}

void command(HWND dialog, int id, int notification) {
    if (id >= IDC_BUTTON_FIELD_1 && id <= IDC_BUTTON_FIELD_4) {
        if (notification == EN_SETFOCUS) focusedButtonField = id - IDC_BUTTON_FIELD_1 + 1;
        if (notification == EN_KILLFOCUS) focusedButtonField = 0;
    } else if (id >= IDC_KEY_FIELD_1 && id <= IDC_KEY_FIELD_4) {
        if (notification == EN_CHANGE) applyKeyFieldRule(dialog, id - IDC_KEY_FIELD_1 + 1);
    } else if (id >= IDC_CHOOSE_KEY_1 && id <= IDC_CHOOSE_KEY_4) {
        chooseSpecialKey(dialog, id - IDC_CHOOSE_KEY_1 + 1);
    } else if (id == IDC_JOYSTICK_LIST) {
        if (notification == CBN_SELCHANGE) selectJoystick(dialog);
    } else if (id == IDOK) {
        commit(dialog);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    }
}

} // namespace

void bringConfigDialogForward() {
    // A chooser or message box above it is what the user was working in.
    SetForegroundWindow(GetLastActivePopup(openDialog));
}

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        initialise(dialog);
        return TRUE;
    case WM_COMMAND:
        command(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_TIMER:
        captureTick(dialog);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_DESTROY:
        ConfigDialogOpen = 0;
        return TRUE;
    default:
        return FALSE;
    }
}
