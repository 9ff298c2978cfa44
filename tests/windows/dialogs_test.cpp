#include <gtest/gtest.h>

#include <vector>

#include "app/about_dialog.h"
#include "app/tray_icon.h"
#include "core/mapping_settings.h"
#include "res/resource_ids.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/scripted_joystick.h"
#include "ui/config_dialog.h"
#include "ui/special_key_dialog.h"

namespace {

HMODULE module() {
    return GetModuleHandleA(nullptr);
}

// A modeless copy of the real configuration dialog that the test can poke.
class ConfigDialog : public testing::Test {
protected:
    void SetUp() override {
        resetScriptedJoysticks();
        mappingSettings = MappingSettings{};
    }
    void TearDown() override {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
        EXPECT_EQ(ConfigDialogOpen, 0);
    }
    HWND open() {
        dialog_ = CreateDialogParamA(module(), MAKEINTRESOURCEA(IDD_CONFIG), nullptr, ConfigDialogProc, 0);
        EXPECT_NE(dialog_, nullptr);
        return dialog_;
    }
    std::vector<std::string> joystickEntries() const {
        std::vector<std::string> entries;
        const auto count = SendDlgItemMessageA(dialog_, IDC_JOYSTICK_LIST, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[32] = {};
            SendDlgItemMessageA(dialog_, IDC_JOYSTICK_LIST, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }
    LRESULT selection() const { return SendDlgItemMessageA(dialog_, IDC_JOYSTICK_LIST, CB_GETCURSEL, 0, 0); }
    void tick() { SendMessageA(dialog_, WM_TIMER, 1, 0); }
    void type(int field, const char* text) { SetDlgItemTextA(dialog_, field, text); }
    void command(int id) { SendMessageA(dialog_, WM_COMMAND, id, 0); }

    HWND dialog_ = nullptr;
};

TEST_F(ConfigDialog, OpensWithTheCommittedValues) {
    scriptedJoysticks[0].present = true;
    scriptedJoysticks[2].present = true;
    mappingSettings.joystickId = 2;
    mappingSettings.slots[0] = {3, 65, 1};
    mappingSettings.slots[1] = {100, 38, 0};
    mappingSettings.slots[2] = {-1, 90, 0};
    open();

    EXPECT_EQ(ConfigDialogOpen, 1);
    EXPECT_EQ(joystickEntries(), std::vector<std::string>({"Joystick 1", "Joystick 3"}));
    EXPECT_EQ(selection(), 1);
    const char* buttons[] = {"3", "100", "", ""};
    const char* keys[] = {"A", "::", "z", ""};
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(controlText(dialog_, IDC_BUTTON_FIELD_1 + slot - 1), buttons[slot - 1]) << slot;
        EXPECT_EQ(controlText(dialog_, IDC_KEY_FIELD_1 + slot - 1), keys[slot - 1]) << slot;
    }
    EXPECT_EQ(dialogWorkingCopy.virtualKeys[1], 38);
    EXPECT_EQ(dialogWorkingCopy.virtualKeys[3], -1);

    // "100" is shown whole but only its first two characters commit.
    command(IDOK);
    EXPECT_EQ(mappingSettings.slots[1].buttonNumber, 10);
    EXPECT_EQ(mappingSettings.slots[0].virtualKey, 65);
    EXPECT_EQ(mappingSettings.slots[0].shiftFlag, 1);
}

TEST_F(ConfigDialog, AbsentCommittedJoystickIsKeptAndListSelectionChangesIt) {
    scriptedJoysticks[0].present = true;
    scriptedJoysticks[2].present = true;
    mappingSettings.joystickId = 1;
    open();
    EXPECT_EQ(selection(), CB_ERR);
    EXPECT_EQ(dialogWorkingCopy.joystickId, 1);

    SendDlgItemMessageA(dialog_, IDC_JOYSTICK_LIST, CB_SETCURSEL, 0, 0);
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDC_JOYSTICK_LIST, CBN_SELCHANGE), 0);
    EXPECT_EQ(dialogWorkingCopy.joystickId, 0);
    command(IDOK);
    EXPECT_EQ(mappingSettings.joystickId, 0);
}

TEST_F(ConfigDialog, KeyFieldRule) {
    mappingSettings.slots[0] = {1, 38, 1};
    open();
    struct {
        const char* text;
        int32_t key;
        uint8_t shift;
    } steps[] = {{"a", 65, 0}, {"A", 65, 1}, {"", -1, 1}, {":", 186, 1}, {"::", 186, 1}, {"1", 49, 0}};
    for (const auto& step : steps) {
        type(IDC_KEY_FIELD_1, step.text);
        EXPECT_EQ(dialogWorkingCopy.virtualKeys[0], step.key) << '"' << step.text << '"';
        EXPECT_EQ(dialogWorkingCopy.shiftFlags[0], step.shift) << '"' << step.text << '"';
    }
    type(IDC_KEY_FIELD_1, "");
    command(IDOK);
    EXPECT_EQ(mappingSettings.slots[0].virtualKey, -1);
}

TEST_F(ConfigDialog, CaptureWritesTheLowestPressedButtonOnlyIntoTheFocusedField) {
    scriptedJoysticks[0] = {true, (1u << 3) | (1u << 6)}; // buttons 4 and 7
    mappingSettings.joystickId = 0;
    open();
    tick();
    EXPECT_EQ(controlText(dialog_, IDC_BUTTON_FIELD_2), "") << "no field has the focus";

    SetFocus(GetDlgItem(dialog_, IDC_BUTTON_FIELD_2));
    tick();
    EXPECT_EQ(controlText(dialog_, IDC_BUTTON_FIELD_2), "4");
    scriptedJoysticks[0].mask = 0;
    tick();
    EXPECT_EQ(controlText(dialog_, IDC_BUTTON_FIELD_2), "4") << "the last number stays";

    SetFocus(GetDlgItem(dialog_, IDC_KEY_FIELD_2));
    scriptedJoysticks[0].mask = 1u << 31;
    tick();
    EXPECT_EQ(controlText(dialog_, IDC_BUTTON_FIELD_2), "4") << "focus left the button field";
    SetFocus(GetDlgItem(dialog_, IDC_BUTTON_FIELD_3));
    tick();
    EXPECT_EQ(controlText(dialog_, IDC_BUTTON_FIELD_3), "32");

    command(IDOK);
    EXPECT_EQ(mappingSettings.slots[1].buttonNumber, 4);
    EXPECT_EQ(mappingSettings.slots[2].buttonNumber, 32);
    EXPECT_EQ(mappingSettings.slots[0].buttonNumber, -1) << "an empty field commits unset";
}

TEST_F(ConfigDialog, NoCaptureWithoutAJoystick) {
    for (ScriptedJoystick& joystick : scriptedJoysticks)
        joystick = {true, 1u};
    open();
    SetFocus(GetDlgItem(dialog_, IDC_BUTTON_FIELD_1));
    const int queries = scriptedQueryCount;
    tick();
    EXPECT_EQ(scriptedQueryCount, queries);
    EXPECT_EQ(controlText(dialog_, IDC_BUTTON_FIELD_1), "");
}

TEST_F(ConfigDialog, CancelAndCloseCommitNothing) {
    mappingSettings.slots[0] = {5, 65, 0};
    for (UINT how : {WM_COMMAND, WM_CLOSE}) {
        open();
        type(IDC_KEY_FIELD_1, "b");
        type(IDC_BUTTON_FIELD_1, "9");
        if (how == WM_COMMAND)
            command(IDCANCEL);
        else
            SendMessageA(dialog_, WM_CLOSE, 0, 0);
        DestroyWindow(dialog_);
        dialog_ = nullptr;
        EXPECT_EQ(mappingSettings.slots[0].buttonNumber, 5);
        EXPECT_EQ(mappingSettings.slots[0].virtualKey, 65);
    }
}

struct ChooserCase {
    const char* name;
    int32_t startKey; // the slot's committed key
    int click;        // radio to click in the chooser, 0 for none
    int endWith;      // command or message that ends the chooser
    int32_t expectedKey;
    const char* expectedField;
};

void PrintTo(const ChooserCase& c, std::ostream* os) {
    *os << c.name;
}

const ChooserCase chooserCases[] = {
    {"CharacterToUpArrow", 'A', IDC_KEY_UP, IDOK, 38, "::"},
    {"PreselectedDownArrowKept", 40, 0, IDOK, 40, "::"},
    {"EndThenHomeGivesHome", 'A', IDC_KEY_END, IDOK, 36, "::"},
    {"NothingCheckedChangesNothing", 'A', 0, IDOK, 65, "A"},
    {"CancelChangesNothing", 'A', IDC_KEY_ENTER, IDCANCEL, 65, "A"},
    {"CloseChangesNothing", 'A', IDC_KEY_ENTER, WM_CLOSE, 65, "A"},
};

class Chooser : public ConfigDialog, public testing::WithParamInterface<ChooserCase> {};

TEST_P(Chooser, StoresTheChosenKeyAndKeepsTheShiftFlag) {
    const ChooserCase& c = GetParam();
    mappingSettings.slots[0] = {1, c.startKey, 1};
    open();
    std::vector<int> preselected;
    {
        DialogDriver driver([&](HWND chooser) {
            for (int id = IDC_KEY_UP; id <= IDC_KEY_ENTER; ++id) {
                if (IsDlgButtonChecked(chooser, id)) preselected.push_back(id);
            }
            if (c.click == IDC_KEY_END) {
                SendDlgItemMessageA(chooser, IDC_KEY_END, BM_CLICK, 0, 0);
                SendDlgItemMessageA(chooser, IDC_KEY_HOME, BM_CLICK, 0, 0);
            } else if (c.click != 0) {
                SendDlgItemMessageA(chooser, c.click, BM_CLICK, 0, 0);
            }
            if (c.endWith == WM_CLOSE)
                PostMessageA(chooser, WM_CLOSE, 0, 0);
            else
                postCommand(chooser, c.endWith);
        });
        command(IDC_CHOOSE_KEY_1);
    }
    EXPECT_EQ(preselected, c.startKey == 40 ? std::vector<int>{IDC_KEY_DOWN} : std::vector<int>{});
    EXPECT_EQ(dialogWorkingCopy.virtualKeys[0], c.expectedKey);
    EXPECT_EQ(dialogWorkingCopy.shiftFlags[0], 1);
    EXPECT_EQ(controlText(dialog_, IDC_KEY_FIELD_1), c.expectedField);
}

INSTANTIATE_TEST_SUITE_P(Keys, Chooser, testing::ValuesIn(chooserCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SpecialKeyDialog, ParameterOutsideOneToFourPreselectsNothing) {
    dialogWorkingCopy.virtualKeys[0] = 38;
    for (LPARAM slot : {0, 5, 1}) {
        HWND chooser =
            CreateDialogParamA(module(), MAKEINTRESOURCEA(IDD_SPECIAL_KEY), nullptr, SpecialKeyDialogProc, slot);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(IsDlgButtonChecked(chooser, IDC_KEY_UP), slot == 1 ? BST_CHECKED : BST_UNCHECKED) << slot;
        DestroyWindow(chooser);
    }
}

TEST(AboutDialog, EscapeDoesNothingOkEnterAndCloseEndIt) {
    struct {
        UINT key;   // a key to post before the ending, 0 for none
        int ending; // command id, or WM_CLOSE
        INT_PTR result;
    } cases[] = {{VK_ESCAPE, IDOK, 1}, {VK_RETURN, 0, 1}, {0, WM_CLOSE, 0}};
    for (const auto& c : cases) {
        DialogDriver driver([&](HWND about) {
            if (c.key != 0) {
                PostMessageA(GetDlgItem(about, IDOK), WM_KEYDOWN, c.key, 0);
                PostMessageA(GetDlgItem(about, IDOK), WM_KEYUP, c.key, 0);
            }
            if (c.ending == WM_CLOSE)
                PostMessageA(about, WM_CLOSE, 0, 0);
            else if (c.ending != 0)
                postCommand(about, c.ending);
        });
        EXPECT_EQ(DialogBoxParamA(module(), MAKEINTRESOURCEA(IDD_ABOUT), nullptr, AboutDialogProc, 0), c.result)
            << "key " << c.key;
    }
}

TEST(TrayCommands, SecondConfigurationDialogIsRefused) {
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    DialogDriver::activations = 0;
    DialogDriver driver([&](HWND dialog) {
        // While the first one is up, neither the double-click nor Configure opens another.
        handleTrayCallback(owner, TrayIconId, WM_LBUTTONDBLCLK);
        handleTrayCommand(owner, IDM_CONFIGURE);
        postCommand(dialog, IDCANCEL);
    });
    handleTrayCommand(owner, IDM_CONFIGURE);
    EXPECT_EQ(DialogDriver::activations, 1);
    EXPECT_EQ(ConfigDialogOpen, 0);

    // Events other than a double-click on our icon open nothing.
    for (LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_MOUSEMOVE})
        handleTrayCallback(owner, TrayIconId, event);
    handleTrayCallback(owner, TrayIconId + 1, WM_LBUTTONDBLCLK);
    EXPECT_EQ(DialogDriver::activations, 1);
    DestroyWindow(owner);
}

} // namespace
