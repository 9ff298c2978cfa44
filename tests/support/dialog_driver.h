#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Answers the modal dialogs that the code under test opens itself: a WH_CBT hook sees
// each dialog as it is activated and hands it to the test's script.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void(HWND)> script) {
        script_ = std::move(script);
        hook_ = SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId());
    }
    ~DialogDriver() {
        UnhookWindowsHookEx(hook_);
        script_ = nullptr;
    }
    static int activations;

private:
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE) {
            char className[16] = {};
            GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
            if (std::string(className) == "#32770" && script_) {
                ++activations;
                script_(reinterpret_cast<HWND>(wParam));
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::function<void(HWND)> script_;
    HHOOK hook_;
};

inline int DialogDriver::activations = 0;

inline std::string controlText(HWND dialog, int id) {
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

inline void postCommand(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, id, 0);
}
