#pragma once

// Drives the real jorvel.exe from another process as the shell and the user do: a
// simulated joystick, a window of this process that holds the focus and logs the keys it
// gets, tray messages and menu commands, and the dialogs through their controls.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/simulated_joysticks.h"

namespace e2e {

inline std::string exeFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, std::string(path).find_last_of('\\'));
}

// The double becomes the system folder's winmm.dll on first use. Programs load it when
// WINEDLLOVERRIDES=winmm=n,b is in the Unix environment (Wine reads it only from there).
inline SimulatedJoysticks& joysticks() {
    static SimulatedJoysticks* state = [] {
        // On Windows that file is the system's own.
        if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) {
            std::fputs("e2e: not under Wine: the system folder's winmm.dll is left alone, and nothing runs\n", stderr);
            std::exit(2);
        }
        char system[MAX_PATH];
        GetSystemDirectoryA(system, MAX_PATH);
        const std::string to = std::string(system) + "\\winmm.dll";
        if (!CopyFileA((exeFolder() + "\\simulated_winmm.dll").c_str(), to.c_str(), FALSE)) std::exit(2);
        return mapSimulatedJoysticks();
    }();
    return *state;
}

// Handles this thread's messages until done() holds or the time is up; gives done().
inline bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    for (const DWORD start = GetTickCount();; MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT)) {
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&message);
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
    }
}

// A tick of the program asks for each of its four slots.
inline bool waitTicks(int ticks) {
    const LONG target = joysticks().queries + 4 * ticks;
    return pumpUntil([=] { return joysticks().queries >= target; });
}

// Sets joystick 0's buttons (bit n-1 for button n) and lets two ticks see them.
inline void press(uint32_t mask) {
    InterlockedExchange(&joysticks().masks[0], static_cast<LONG>(mask));
    waitTicks(2);
}

inline std::string makeTempFolder() {
    char temp[MAX_PATH], path[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetTempFileNameA(temp, "jv", 0, path);
    DeleteFileA(path);
    CreateDirectoryA(path, nullptr);
    return path;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<none>";
}

inline void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// What the receiver window got: "v16 v65 ^16" for key-downs and key-ups, in order.
inline std::string keysReceived;

inline LRESULT CALLBACK receiverProc(HWND window, UINT message, WPARAM key, LPARAM lParam) {
    if (message != WM_KEYDOWN && message != WM_KEYUP) return DefWindowProcA(window, message, key, lParam);
    keysReceived +=
        (keysReceived.empty() ? "" : " ") + std::string(message == WM_KEYUP ? "^" : "v") + std::to_string(key);
    return 0;
}

inline HWND makeWindow(const char* className, WNDPROC procedure, DWORD style) {
    WNDCLASSA record{};
    record.lpfnWndProc = procedure;
    record.lpszClassName = className;
    RegisterClassA(&record);
    return CreateWindowExA(0, className, "", style, 600, 40, 320, 200, nullptr, nullptr, nullptr, nullptr);
}

// A window of this process, given the keyboard focus.
inline void focusReceiver() {
    static HWND window = makeWindow("JorvelKeyReceiver", receiverProc, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetForegroundWindow(window);
    SetFocus(window);
    pumpUntil([] { return GetForegroundWindow() == window && GetFocus() == window; });
}

// jorvel.exe run in a working folder, from a folder of its own (a help file beside the
// build would otherwise be found) with a DLL that it must never find by name, until it has
// ticked once.
struct Program {
    explicit Program(const std::string& workingDir) {
        static const std::string folder = makeTempFolder(), exe = folder + "\\jorvel.exe";
        static const bool copied =
            CopyFileA((exeFolder() + "\\simulated_winmm.dll").c_str(), (folder + "\\probe.dll").c_str(), FALSE) &&
            CopyFileA((exeFolder() + "\\..\\jorvel.exe").c_str(), exe.c_str(), FALSE);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (copied && CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, workingDir.c_str(),
                                     &startup, &process)) {
            pumpUntil([this] { return (window = FindWindowA("myWindowClass", "Jorvel")) != nullptr; });
            waitTicks(1);
        }
    }
    ~Program() {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    void post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        PostMessageA(window, message, wParam, lParam);
    }
    // Waits for the process to end: its exit code, or STILL_ACTIVE.
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        pumpUntil([&] { return GetExitCodeProcess(process.hProcess, &code) && code != STILL_ACTIVE; });
        return code;
    }
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

// The visible dialogs that hold a control with this id, once there is one or the time is up.
inline std::vector<HWND> dialogsWith(int controlId, DWORD timeoutMs = 5000) {
    std::vector<HWND> found;
    pumpUntil(
        [&] {
            for (HWND dialog = nullptr; (dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr)) != nullptr;) {
                if (IsWindowVisible(dialog) && GetDlgItem(dialog, controlId)) found.push_back(dialog);
            }
            return !found.empty();
        },
        timeoutMs);
    return found;
}

inline std::string text(HWND dialog, int controlId) {
    char buffer[256] = {};
    SendDlgItemMessageA(dialog, controlId, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// Brings the dialog to the front with the focus in one of its controls.
inline void focus(HWND dialog, int controlId) {
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, controlId)), TRUE);
    SetForegroundWindow(dialog);
    pumpUntil([=] { return GetForegroundWindow() == dialog; });
    waitTicks(1);
}

// Types a key and lets two ticks pass: the program handles its input before its timers,
// but its posted messages before its input.
inline void typeKey(BYTE key, bool shift = false) {
    const BYTE keys[] = {VK_SHIFT, key, key, VK_SHIFT};
    for (int i = shift ? 0 : 1; i < (shift ? 4 : 3); ++i)
        keybd_event(keys[i], 0, i < 2 ? 0 : KEYEVENTF_KEYUP, 0);
    waitTicks(2);
}

// Ends a dialog with a command and waits for it to go.
inline bool endDialog(HWND dialog, int command) {
    PostMessageA(dialog, WM_COMMAND, command, 0);
    return pumpUntil([=] { return !IsWindow(dialog); });
}

} // namespace e2e
