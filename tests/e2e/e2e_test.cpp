// The real jorvel.exe, unchanged, in its own process: a simulated joystick, a receiver
// window with the focus, and the tray messages and dialog controls a user works.
#include <gtest/gtest.h>

#include <memory>

#include "res/resource_ids.h"
#include "tests/e2e/harness.h"
#include "tests/support/example_settings.h"

using namespace e2e;

namespace {

constexpr uint32_t button(int number) {
    return 1u << (number - 1);
}

// Slot 2 holds button 3 with "A"; the other slots are unset.
const std::string shiftedAFile =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n-1 : -1 , 0\r\n3 : 65 , 1\r\n-1 : -1 , 0\r\n-1 : -1 , 0";
const std::string shiftedASequence = "down 16, down 65 shift, char A, up 16";
constexpr char HelpViewerTitle[] = "Jorvel Help";

class EndToEnd : public testing::Test {
protected:
    static void SetUpTestSuite() { installSimulatedJoysticks(); }

    void SetUp() override {
        ZeroMemory(const_cast<SimulatedJoysticks*>(&joysticks()), sizeof(SimulatedJoysticks));
        setPresent(0, true);
    }

    void TearDown() override { closeHelpViewers(); }

    // The shell's viewer would outlive the test and hold its output open.
    static int closeHelpViewers() {
        int closed = 0;
        for (HWND viewer; (viewer = FindWindowA(nullptr, HelpViewerTitle)) != nullptr; ++closed) {
            DWORD processId = 0;
            GetWindowThreadProcessId(viewer, &processId);
            HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
            if (process == nullptr) break;
            TerminateProcess(process, 0);
            WaitForSingleObject(process, DefaultTimeoutMs);
            CloseHandle(process);
            pumpUntil([&] { return !IsWindow(viewer); });
        }
        return closed;
    }

    void start(const std::string& settings) {
        writeFile(settingsPath(), settings);
        program_ = std::make_unique<Program>(folder_.path());
        ASSERT_TRUE(program_->started());
        receiver_.takeFocus();
        ASSERT_TRUE(receiver_.hasFocus());
        ASSERT_TRUE(waitForQueries(8)) << "no joystick queries: is WINEDLLOVERRIDES=winmm=n,b set?";
    }

    // Holds the buttons until the receiver has seen the expected events.
    void pressUntil(uint32_t mask, const std::string& expected) {
        setButtons(0, mask);
        pumpUntil([&] { return receiver_.describe() == expected; });
        EXPECT_EQ(receiver_.describe(), expected);
    }

    void releaseAll() {
        setButtons(0, 0);
        ASSERT_TRUE(waitForQueries(8)); // two ticks see it
    }

    std::string settingsPath() const { return folder_.file("jorvel.ini"); }

    static std::string picturePath(const char* name) {
        const std::string folder = exeFolder() + "\\screenshots";
        CreateDirectoryA(folder.c_str(), nullptr);
        return folder + "\\" + name;
    }

    TempFolder folder_;
    Receiver receiver_;
    std::unique_ptr<Program> program_;
};

TEST_F(EndToEnd, APressSendsItsKeyOnceUntilTheButtonIsReleased) {
    start(shiftedAFile);

    pressUntil(button(3), shiftedASequence);
    ASSERT_TRUE(waitForQueries(20)) << "five ticks with the button held";
    EXPECT_EQ(receiver_.describe(), shiftedASequence) << "holding sends nothing more; no key-up for 65";

    releaseAll();
    EXPECT_EQ(receiver_.describe(), shiftedASequence);
    pressUntil(button(3), shiftedASequence + ", " + shiftedASequence);
}

TEST_F(EndToEnd, ExitWritesTheSettingsBackByteForByteAndEndsWithZero) {
    start(exampleFile);
    pressUntil(button(1), "down 90, char z"); // the file was read at start-up
    program_->command(IDM_EXIT);
    EXPECT_EQ(program_->waitForExit(), 0);
    EXPECT_EQ(readFile(settingsPath()), exampleFile);
}

TEST_F(EndToEnd, EndOfSessionWritesTheSettingsAndTheProgramRunsOn) {
    start("[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n-1 : -1 , 0\r\n3 : 65 , 1");
    DWORD_PTR result = 0;
    SendMessageTimeoutA(program_->window(), WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, DefaultTimeoutMs, &result);
    EXPECT_EQ(readFile(settingsPath()), shiftedAFile);
    EXPECT_TRUE(program_->running());
    pressUntil(button(3), shiftedASequence);
}

TEST_F(EndToEnd, ConfiguringCapturesAButtonAndCommitsATypedKey) {
    start(shiftedAFile);
    program_->trayEvent(WM_LBUTTONDBLCLK);
    HWND dialog = program_->waitForDialog(IDC_JOYSTICK_LIST);
    ASSERT_NE(dialog, nullptr);
    program_->trayEvent(WM_LBUTTONDBLCLK);
    ASSERT_TRUE(waitForQueries(12));
    EXPECT_EQ(program_->dialogs(IDC_JOYSTICK_LIST).size(), 1u) << "a second double-click opens no other dialog";
    EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_JOYSTICK_LIST)), "Joystick 1");

    focusControl(dialog, IDC_BUTTON_FIELD_4);
    setButtons(0, button(7));
    EXPECT_TRUE(pumpUntil([&] { return windowText(GetDlgItem(dialog, IDC_BUTTON_FIELD_4)) == "7"; }));
    releaseAll();

    focusControl(dialog, IDC_KEY_FIELD_4);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == dialog; }));
    typeKey('Z');
    EXPECT_TRUE(pumpUntil([&] { return windowText(GetDlgItem(dialog, IDC_KEY_FIELD_4)) == "z"; }));
    EXPECT_TRUE(saveWindowPicture(dialog, picturePath("config-dialog.png")));
    EXPECT_EQ(receiver_.describe(), "") << "typing went to the dialog";

    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }));
    receiver_.takeFocus();
    pressUntil(button(7), "down 90, char z");

    program_->command(IDM_EXIT);
    EXPECT_EQ(program_->waitForExit(), 0);
    EXPECT_EQ(readFile(settingsPath()),
              "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n-1 : -1 , 0\r\n3 : 65 , 1\r\n-1 : -1 , 0\r\n7 : 90 , 0");
}

TEST_F(EndToEnd, AMappedButtonTypesIntoTheOpenDialogAndCancelCommitsNothing) {
    start(shiftedAFile);
    program_->command(IDM_CONFIGURE);
    HWND dialog = program_->waitForDialog(IDC_JOYSTICK_LIST);
    ASSERT_NE(dialog, nullptr);
    focusControl(dialog, IDC_KEY_FIELD_1);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == dialog; }));

    setButtons(0, button(3));
    EXPECT_TRUE(pumpUntil([&] { return windowText(GetDlgItem(dialog, IDC_KEY_FIELD_1)) == "A"; }));
    releaseAll();

    PostMessageA(dialog, WM_COMMAND, IDC_CHOOSE_KEY_1, 0);
    HWND chooser = program_->waitForDialog(IDC_KEY_UP);
    ASSERT_NE(chooser, nullptr);
    pumpFor(300); // let it paint
    EXPECT_TRUE(saveWindowPicture(chooser, picturePath("special-key-chooser.png")));
    PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(chooser); }));

    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }));
    program_->command(IDM_EXIT);
    EXPECT_EQ(program_->waitForExit(), 0);
    EXPECT_EQ(readFile(settingsPath()), shiftedAFile);
}

TEST_F(EndToEnd, AboutIgnoresEscapeAndHelpWithoutItsFileSaysNothing) {
    start(shiftedAFile);
    program_->command(IDM_ABOUT);
    HWND about = program_->waitForDialog(IDC_ABOUT_TEXT);
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == about; }));
    typeKey(VK_ESCAPE);
    ASSERT_TRUE(waitForQueries(12));
    EXPECT_TRUE(IsWindow(about)) << "Escape leaves the box open";
    EXPECT_TRUE(saveWindowPicture(about, picturePath("about-box.png")));
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(about); }));

    program_->command(IDM_HELP);
    ASSERT_TRUE(waitForQueries(160)); // time for a box to appear
    EXPECT_EQ(closeHelpViewers(), 0);
    for (HWND box : program_->dialogs(IDOK)) {
        const std::string caption = windowText(box);
        EXPECT_TRUE(caption != "Error" && caption != "Error!") << "the program's own message box: " << caption;
    }
    EXPECT_TRUE(program_->running());
}

TEST_F(EndToEnd, HelpOpensTheHelpFileFromTheWorkingDirectory) {
    ASSERT_TRUE(CopyFileA((exeFolder() + "\\..\\help.chm").c_str(), folder_.file("help.chm").c_str(), FALSE));
    start(shiftedAFile);
    program_->command(IDM_HELP);
    EXPECT_TRUE(pumpUntil([] { return FindWindowA(nullptr, HelpViewerTitle) != nullptr; }, 15000));
    HWND viewer = FindWindowA(nullptr, HelpViewerTitle);
    DWORD viewerProcessId = 0;
    GetWindowThreadProcessId(viewer, &viewerProcessId);
    EXPECT_NE(viewerProcessId, program_->processId()) << "the shell's viewer shows it";
}

} // namespace
