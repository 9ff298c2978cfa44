#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "app/main_window.h"
#include "app/tray_icon.h"
#include "core/mapping_settings.h"
#include "core/settings_file.h"
#include "res/resource_ids.h"
#include "tests/support/key_receiver.h"
#include "tests/support/scripted_joystick.h"
#include "tests/support/temp_working_dir.h"

namespace {

const std::string savedFile =
    "[Joystick]\r\n5\r\n\r\n[Key Settings]\r\n3 : 65 , 1\r\n-1 : -1 , 0\r\n-1 : -1 , 0\r\n7 : 90 , 0";

class MainWindow : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(registerMainWindowClass(GetModuleHandleA(nullptr))); }
    void SetUp() override {
        resetScriptedJoysticks();
        mappingSettings = MappingSettings{};
        writeFile(SettingsFileName, "[Joystick]\r\n5\r\n\r\n[Key Settings]\r\n3 : 65 , 1");
        window_ = createMainWindow(GetModuleHandleA(nullptr));
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    static bool iconPresent(HWND window) {
        NOTIFYICONDATAA icon{};
        icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
        icon.hWnd = window;
        icon.uID = TrayIconId;
        return Shell_NotifyIconA(NIM_MODIFY, &icon);
    }

    TempWorkingDir dir_;
    HWND window_ = nullptr;
};

TEST_F(MainWindow, StaysHiddenAndTheFirstTickSeesTheLoadedSettings) {
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(scriptedQueryCount, 0) << "no tick before the loop runs";
    pumpUntil([] { return scriptedQueryCount > 0; }, 3000);
    EXPECT_EQ(scriptedFirstQueriedJoystick, 5);
}

TEST_F(MainWindow, EveryTimerMessageRunsOneTick) {
    KillTimer(window_, 2);
    for (WPARAM id : {2, 1, 77}) {
        const int before = scriptedQueryCount;
        SendMessageA(window_, WM_TIMER, id, 0);
        EXPECT_EQ(scriptedQueryCount - before, 4) << "timer id " << id;
    }
}

TEST_F(MainWindow, ExitSavesTheSettingsAndEndsTheLoopWithZero) {
    mappingSettings.slots[3] = {7, 90, 0};
    handleTrayCommand(window_, IDM_EXIT);
    EXPECT_EQ(readFile(SettingsFileName), "[Joystick]\r\n5\r\n\r\n[Key Settings]\r\n3 : 65 , 1")
        << "saved only when the window is destroyed";
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(readFile(SettingsFileName), savedFile);
    EXPECT_FALSE(iconPresent(window_));
}

TEST_F(MainWindow, EndOfSessionSavesWhileTheProgramGoesOn) {
    mappingSettings.slots[3] = {7, 90, 0};
    DeleteFileA(SettingsFileName);
    SendMessageA(window_, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(readFile(SettingsFileName), "<missing>");
    SendMessageA(window_, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(readFile(SettingsFileName), savedFile);
    EXPECT_TRUE(IsWindow(window_));
    const int before = scriptedQueryCount;
    pumpUntil([] { return scriptedQueryCount > 0; }, 3000);
    EXPECT_GT(scriptedQueryCount, before) << "the poll timer keeps running";
}

TEST_F(MainWindow, IconComesBackWhenTheNotificationAreaIsRecreated) {
    ASSERT_TRUE(iconPresent(window_));
    removeTrayIcon(window_); // as when Explorer restarts
    ASSERT_FALSE(iconPresent(window_));
    SendMessageA(window_, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(iconPresent(window_));
}

} // namespace
