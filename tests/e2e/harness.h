#pragma once

// Drives the real program from another process, the way the shell and the user do: the
// simulated joystick, a receiver window that holds the focus (tests/support), and messages
// to the program.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/simulated_joystick.h"
#include "tests/support/files.h"
#include "tests/support/key_receiver.h"

namespace e2e {

std::string exeFolder();

// Puts the test double in the system folder as winmm.dll and creates its shared state.
// Programs started afterwards load it when WINEDLLOVERRIDES asks for native winmm.
SimulatedJoysticks& installSimulatedJoysticks();
SimulatedJoysticks& joysticks();

// Mask changes are stamped, so that a latency figure can be taken from them.
void setButtons(int joystickId, uint32_t mask);
void setPresent(int joystickId, bool present);

// Waits until the program has queried the joystick at least count more times.
bool waitForQueries(int count);

// Copies the built jorvel.exe into a folder.
bool copyProgramTo(const std::string& folder);

// jorvel.exe started in a working directory, from a folder of its own that holds nothing
// else (a help file beside the build would otherwise be found). It takes the test double for WINMM when
// Wine is told to prefer native winmm (WINEDLLOVERRIDES=winmm=n,b in the environment:
// Wine reads it from the Unix environment, not from the Windows one a parent passes on).
class Program {
public:
    // programFolder: where jorvel.exe was copied; by default a folder of its own.
    explicit Program(const std::string& workingDir, const std::string& programFolder = {});
    ~Program();
    bool started() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    DWORD processId() const { return process_.dwProcessId; }
    void trayEvent(UINT mouseMessage) const;
    void command(int id) const;
    // The program's visible dialogs that hold a child with this id.
    std::vector<HWND> dialogs(int childId) const;
    HWND findDialog(int childId) const; // the first of them, or nullptr
    HWND waitForDialog(int childId) const;
    // Exit code once the process has ended, or -1 on time-out.
    long waitForExit(DWORD timeoutMs = DefaultTimeoutMs);
    bool running() const;
    HANDLE process() const { return process_.hProcess; }

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// Control helpers for another process's windows.
std::string windowText(HWND window);
void setWindowText(HWND window, const char* text);
void focusControl(HWND dialog, int id);
void typeKey(BYTE virtualKey, bool shift = false);

// Saves what the screen shows of a window as a PNG file; false if it could not.
bool saveWindowPicture(HWND window, const std::string& pngPath);

} // namespace e2e
