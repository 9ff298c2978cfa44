// The real jorvel.exe, unchanged, in its own process: a simulated joystick, a receiver
// window with the focus, and the tray messages and dialog controls a user works.
#include "res/resource_ids.h"
#include "tests/e2e/end_to_end.h"
#include "tests/support/example_settings.h"

using namespace e2e;

namespace {

bool waitForPopupMenu() {
    return pumpUntil([] {
        HWND menu = FindWindowA("#32768", nullptr);
        return menu != nullptr && IsWindowVisible(menu);
    });
}

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

TEST_F(EndToEnd, TheRightButtonMenuOpensAndItsMnemonicsWork) {
    start(shiftedAFile);
    program_->trayEvent(WM_RBUTTONDOWN);
    ASSERT_TRUE(waitForPopupMenu());
    typeKey('A'); // "&About"
    HWND about = program_->waitForDialog(IDC_ABOUT_TEXT);
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(about); }));

    program_->trayEvent(WM_RBUTTONDOWN);
    ASSERT_TRUE(waitForPopupMenu());
    typeKey('X'); // "E&xit"
    EXPECT_EQ(program_->waitForExit(), 0);
    EXPECT_EQ(readFile(settingsPath()), shiftedAFile);
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
