// The real jorvel.exe in its own process, one row a scenario: the settings file it finds,
// what the user and the shell do, the keys that reach the focused window, the file at Exit.
#include <gtest/gtest.h>

#include <sstream>

#include "res/resource_ids.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// Joystick 1; buttons 1 to 4 send z, A (with Shift), Enter and Up Arrow.
const std::string example =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n2 : 65 , 1\r\n3 : 13 , 0\r\n4 : 38 , 0";
const std::string tail = "\r\n" + std::string(65534, 'x');

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// Slot 4's Shift flag is the file's 100th byte and a "5" its 101st.
std::string padded100() {
    std::string text = replaced(example, "38 , 0", "38 , 1");
    return text.insert(text.find("4 :"), 100 - text.size(), ' ') + "5";
}

enum Verb {
    Press,   // joystick 0's buttons, numbered in text: "", "2", "7 9"
    Typed,   // the keys the receiver got since the last Typed
    Command, // a menu command to the main window
    Tray,    // mouse messages in text from the notification area, for icon arg
    Menu,    // the tray's right-button menu, then its mnemonic arg
    Dialog,  // the dialog with control arg is worked from now; text: how many there are
    Focus,   // control arg of the worked dialog, brought to the front
    Type,    // key arg, with Shift when text is not empty
    Set,     // control arg's text
    Expect,  // control arg's text
    End,     // the worked dialog, with command arg; the one before it is worked again
    Session, // WM_ENDSESSION with arg
    Viewer,  // the shell's help viewer opens the help file, and is closed
    FileNow, // the settings file holds what it held at start (arg 0), or what Exit saves (1)
    Ended,   // the program ended by itself, with code 0
    Icon,    // the busy shell's requests once it holds the icon (A add, M modify), and no more;
             // with arg 1, after it restarted, losing the icon
};

struct Step {
    Verb verb;
    int arg = 0;
    const char* text = "";
};

enum Found { Plain, HeldByAReader, HelpFileBesideIt, BusyShell };

// Plays a notification area that is still busy: Wine's Shell_NotifyIcon sends each request
// to the first window of class "Shell_TrayWnd" as WM_COPYDATA, the command in dwData. It
// refuses its first requests, but an add that it refuses lands all the same, as one that
// timed out may on Windows.
struct BusyTray {
    int refusals = 3;
    bool hasIcon = false;
    std::string requests;
} busyTray;

LRESULT CALLBACK busyTrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
    const char request = "AMD"[reinterpret_cast<const COPYDATASTRUCT*>(lParam)->dwData];
    const bool had = busyTray.hasIcon;
    busyTray.requests += request;
    busyTray.hasIcon = request == 'A' || (had && request != 'D');
    if (busyTray.refusals > 0) return --busyTray.refusals, FALSE;
    return request == 'A' ? !had : had;
}

struct Scenario {
    const char* name;
    std::string file; // at start
    std::vector<Step> steps;
    std::string saved; // at Exit
    Found found = Plain;
    LONG joysticks = 1; // bit n: id n present
};

// Tables laid out by hand, a row or two a case.
// clang-format off
const std::vector<Step> typeZ = {{Press, 0, "1"}, {Press}, {Typed, 0, "v90"}};

const Scenario scenarios[] = {
    {"LongFileSharedWithAReaderLoadsItsFirst100BytesAndLosesItsTail", example + tail, typeZ, example, HeldByAReader},
    {"ReadStopsAtTheHundredthByte", padded100(), typeZ, replaced(example, "38 , 0", "38 , 1")},
    {"SaveOver100BytesEmptiesTheFile", "[Joystick]\n0\n[Key Settings]\n-2147483648:-2147483648,255\n-2147483648:-1,0",
     {{Press, 0, "1"}, {Press}, {Typed}}, ""},
    {"APressTypesOnceUntilReleasedAndAgainAfter", example,
     {{Press, 0, "2"}, {Press, 0, "2"}, {Typed, 0, "v16 v65 ^16"}, {Press}, {Press, 0, "2"}, {Typed, 0, "v16 v65 ^16"}},
     example},
    // Buttons at both ends of the mask; only the low byte of a key is sent, and only -1 is unset.
    {"EndButtonsAndKeyLowBytes", "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n32 : 442 , 0\r\n1 : -2 , 0",
     {{Press, 0, "32"}, {Press, 0, "1"}, {Typed, 0, "v186 v254"}},
     "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n32 : 442 , 0\r\n1 : -2 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0"},
    {"LogOffSavesUnlessCancelledAndTheProgramRunsOn", example + tail,
     {{Session, FALSE}, {FileNow, 0}, {Session, TRUE}, {FileNow, 1}, {Press, 0, "1"}, {Press}, {Typed, 0, "v90"}},
     example},
    {"IconShownOnceABusyShellTakesItAndAgainAfterItRestarts", example,
     {{Icon, 0, "MAMAM"}, {Icon, 1, "MAMAMMA"}}, example, BusyShell},
    // Mouse messages 512 move, 513 and 514 left button down and up, 515 double-click, 517 right button up.
    {"OnlyADoubleClickOnTheIconOpensAndOnlyOneDialog", example,
     {{Tray, 1000, "513 514 517 512"}, {Tray, 1001, "515"}, {Dialog, IDC_JOYSTICK_LIST, "0"},
      {Tray, 1000, "515 515"}, {Dialog, IDC_JOYSTICK_LIST, "1"}, {End, IDCANCEL}},
     example},
    {"MenuMnemonics", example,
     {{Menu, 'C'}, {Dialog, IDC_JOYSTICK_LIST, "1"}, {End, IDCANCEL}, {Menu, 'A'}, {Dialog, IDC_ABOUT_TEXT, "1"},
      {Focus, IDOK}, {Type, VK_ESCAPE}, {Dialog, IDC_ABOUT_TEXT, "1"}, {End, IDOK}, {Menu, 'H'}, {Viewer},
      {Menu, 'X'}, {Ended}},
     example, HelpFileBesideIt},
    {"EnterCommitsAsOk", example,
     {{Command, IDM_CONFIGURE}, {Dialog, IDC_JOYSTICK_LIST}, {Expect, IDC_JOYSTICK_LIST, "Joystick 1"},
      {Expect, IDC_KEY_FIELD_1, "z"}, {Focus, IDC_BUTTON_FIELD_1}, {Type, '9'}, {Type, VK_RETURN},
      {Dialog, IDC_JOYSTICK_LIST, "0"}},
     replaced(example, "1 : 90", "9 : 90")},
    {"CaptureIntoTheFocusedButtonFieldOnlyAndATypedCapital", example,
     {{Command, IDM_CONFIGURE}, {Dialog, IDC_JOYSTICK_LIST}, {Focus, IDC_BUTTON_FIELD_4}, {Press, 0, "7 9"},
      {Focus, IDC_KEY_FIELD_4}, {Press, 0, "8"}, {Type, 'Z', "shift"}, {Press}, {Expect, IDC_BUTTON_FIELD_4, "7"},
      {End, IDOK}},
     replaced(example, "4 : 38 , 0", "7 : 90 , 1")},
    {"ColonTypedMarkerKeptButtonEmptiedLettersRefused", example,
     {{Command, IDM_CONFIGURE}, {Dialog, IDC_JOYSTICK_LIST}, {Expect, IDC_KEY_FIELD_4, "::"},
      {Set, IDC_KEY_FIELD_1, ":"}, {Set, IDC_BUTTON_FIELD_2, ""}, {Focus, IDC_BUTTON_FIELD_1}, {Type, 'X'},
      {Focus, IDC_BUTTON_FIELD_3}, {Type, 'X'}, {Focus, IDC_BUTTON_FIELD_4}, {Type, 'X'}, {End, IDOK}},
     replaced(replaced(example, "1 : 90 , 0", "1 : 186 , 1"), "2 : 65", "-1 : 65")},
    {"CancelCommitsNothing", example,
     {{Command, IDM_CONFIGURE}, {Dialog, IDC_JOYSTICK_LIST}, {Set, IDC_BUTTON_FIELD_1, "5"},
      {Set, IDC_KEY_FIELD_1, "q"}, {End, IDCANCEL}},
     example},
    {"JoysticksListedFromOne", replaced(example, "]\r\n0", "]\r\n2"),
     {{Command, IDM_CONFIGURE}, {Dialog, IDC_JOYSTICK_LIST}, {Expect, IDC_JOYSTICK_LIST, "Joystick 3"}, {End, IDOK}},
     replaced(example, "]\r\n0", "]\r\n2"), Plain, 0b101},
};
// clang-format on

class Program_ : public testing::TestWithParam<Scenario> {};

TEST_P(Program_, Runs) {
    const Scenario& s = GetParam();
    const std::string folder = makeTempFolder(), ini = folder + "\\jorvel.ini";
    joysticks().present = s.joysticks;
    joysticks().masks[0] = 0;
    joysticks().dllBesideExeLoaded = 0;
    writeFile(ini, s.file);
    HANDLE held = s.found != HeldByAReader ? INVALID_HANDLE_VALUE
                                           : CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                         nullptr, OPEN_EXISTING, 0, nullptr);
    if (s.found == HelpFileBesideIt)
        CopyFileA((exeFolder() + "\\..\\help.chm").c_str(), (folder + "\\help.chm").c_str(), 0);
    busyTray = {};
    // Created after Wine's own tray, it comes before it in the Z order.
    HWND tray = s.found == BusyShell ? makeWindow("Shell_TrayWnd", busyTrayProc, WS_POPUP) : nullptr;
    Program program(folder);
    ASSERT_NE(program.window, nullptr);
    focusReceiver();
    keysReceived.clear();

    std::vector<HWND> worked;
    for (const Step& step : s.steps) {
        SCOPED_TRACE(testing::Message() << "step " << &step - s.steps.data());
        std::istringstream numbers(step.text);
        uint32_t mask = 0;
        switch (step.verb) {
        case Press:
            for (int number; numbers >> number;)
                mask |= 1u << (number - 1);
            press(mask);
            break;
        case Typed:
            EXPECT_EQ(keysReceived, step.text);
            keysReceived.clear();
            break;
        case Command:
            program.post(WM_COMMAND, step.arg);
            break;
        case Tray:
            for (int event; numbers >> event;)
                program.post(WM_USER + 1, step.arg, event);
            break;
        case Menu:
            program.post(WM_USER + 1, 1000, WM_RBUTTONDOWN);
            ASSERT_TRUE(pumpUntil([] { return IsWindowVisible(FindWindowA("#32768", nullptr)); }));
            typeKey(static_cast<BYTE>(step.arg));
            break;
        case Dialog: {
            // Waits for one to come, then for a second one: each lists the joysticks, 16 queries.
            const size_t expected = *step.text != '\0' ? std::stoul(step.text) : 1;
            dialogsWith(step.arg, expected != 0 ? 5000 : 500);
            waitTicks(8);
            const std::vector<HWND> found = dialogsWith(step.arg, 0);
            ASSERT_EQ(found.size(), expected);
            if (expected != 0) worked.push_back(found[0]);
            break;
        }
        case Focus:
            focus(worked.back(), step.arg);
            break;
        case Type:
            typeKey(static_cast<BYTE>(step.arg), *step.text != '\0');
            break;
        case Set:
            SendDlgItemMessageA(worked.back(), step.arg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.text));
            break;
        case Expect:
            EXPECT_EQ(text(worked.back(), step.arg), step.text);
            break;
        case End:
            EXPECT_TRUE(endDialog(worked.back(), step.arg));
            worked.pop_back();
            break;
        case Session:
            program.post(WM_ENDSESSION, step.arg);
            waitTicks(2);
            break;
        case Viewer:
            ASSERT_TRUE(pumpUntil([] { return FindWindowA(nullptr, "Jorvel Help") != nullptr; }, 15000));
            PostMessageA(FindWindowA(nullptr, "Jorvel Help"), WM_CLOSE, 0, 0);
            pumpUntil([] { return FindWindowA(nullptr, "Jorvel Help") == nullptr; });
            break;
        case FileNow:
            EXPECT_EQ(readFile(ini), step.arg == 0 ? s.file : s.saved);
            break;
        case Ended:
            EXPECT_EQ(program.exitCode(), 0u);
            break;
        case Icon: // retried every 2 s, so 2.5 s show that the retries ended
            if (step.arg == 1) {
                busyTray.hasIcon = false;
                program.post(RegisterWindowMessageA("TaskbarCreated"));
            }
            pumpUntil([&] { return busyTray.requests == step.text; }, 10000);
            pumpUntil([] { return false; }, 2500);
            EXPECT_EQ(busyTray.requests, step.text);
            EXPECT_TRUE(busyTray.hasIcon);
            break;
        }
    }
    if (WaitForSingleObject(program.process.hProcess, 0) == WAIT_TIMEOUT) program.post(WM_COMMAND, IDM_EXIT);
    EXPECT_EQ(program.exitCode(), 0u);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    if (tray != nullptr) DestroyWindow(tray);
    EXPECT_EQ(readFile(ini), s.saved);
    EXPECT_EQ(joysticks().dllBesideExeLoaded, 0);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Program_, testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// Each key of the chooser, chosen for slot 2 and committed: the slot keeps its Shift flag.
// The chooser opens with the focus on the slot's key, or on Ok for a key not in it.
TEST(Chooser, GivesEachKeyItsCode) {
    // clang-format off
    const int keys[][2] = {
        {0, 65}, // Ok with none checked
        {IDC_KEY_UP, 38},    {IDC_KEY_DOWN, 40},   {IDC_KEY_LEFT, 37},    {IDC_KEY_RIGHT, 39},     {IDC_KEY_ALT, 18},
        {IDC_KEY_SHIFT, 16}, {IDC_KEY_INSERT, 45}, {IDC_KEY_DELETE, 46},  {IDC_KEY_HOME, 36},      {IDC_KEY_END, 35},
        {IDC_KEY_PAGE_UP, 33}, {IDC_KEY_CTRL, 17}, {IDC_KEY_PAGE_DOWN, 34}, {IDC_KEY_ENTER, 13}};
    // clang-format on
    const std::string folder = makeTempFolder(), ini = folder + "\\jorvel.ini";
    joysticks().present = 1;
    writeFile(ini, example);
    Program program(folder);
    int focused = IDOK;
    for (const auto& key : keys) {
        program.post(WM_COMMAND, IDM_CONFIGURE);
        HWND dialog = dialogsWith(IDC_JOYSTICK_LIST).at(0);
        PostMessageA(dialog, WM_COMMAND, IDC_CHOOSE_KEY_2, 0);
        HWND chooser = dialogsWith(IDC_KEY_UP).at(0);
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(GetWindowThreadProcessId(chooser, nullptr), &gui);
        EXPECT_EQ(gui.hwndFocus, GetDlgItem(chooser, focused)) << key[0];
        focused = key[0] != 0 ? key[0] : focused;
        if (key[0] != 0) {
            SendDlgItemMessageA(chooser, key[0], BM_CLICK, 0, 0);
        } else { // covered by another window, the chooser over the dialog comes back on a double-click
            focusReceiver();
            program.post(WM_USER + 1, 1000, WM_LBUTTONDBLCLK);
            EXPECT_TRUE(pumpUntil([=] { return GetForegroundWindow() == chooser; }));
        }
        EXPECT_TRUE(endDialog(chooser, IDOK) && endDialog(dialog, IDOK));
        program.post(WM_ENDSESSION, TRUE);
        waitTicks(2);
        EXPECT_EQ(readFile(ini), replaced(example, "2 : 65", "2 : " + std::to_string(key[1]))) << key[0];
    }
}

} // namespace
