#pragma once

// One run of the real program per test: a simulated joystick with id 0 present, a fresh
// working folder and a receiver window that holds the focus.
#include <gtest/gtest.h>

#include <memory>

#include "tests/e2e/harness.h"

namespace e2e {

constexpr uint32_t button(int number) {
    return 1u << (number - 1);
}

// Slot 2 holds button 3 with "A"; the other slots are unset.
inline const std::string shiftedAFile =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n-1 : -1 , 0\r\n3 : 65 , 1\r\n-1 : -1 , 0\r\n-1 : -1 , 0";
inline const std::string shiftedASequence = "down 16, down 65 shift, char A, up 16";
inline constexpr char HelpViewerTitle[] = "Jorvel Help";

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
        startProgram();
    }

    // Starts the program on whatever the working folder holds.
    void startProgram(const std::string& programFolder = {}) {
        program_ = std::make_unique<Program>(folder_.path(), programFolder);
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

} // namespace e2e
