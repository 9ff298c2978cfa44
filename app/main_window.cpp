#include "app/main_window.h"

#include "app/tray_icon.h"
#include "core/mapping_settings.h"
#include "core/settings_file.h"
#include "input/bound_function.h"
#include "input/joystick_poller.h"
#include "input/keybd_event_sink.h"
#include "res/resource_ids.h"
#include "ui/failure_boxes.h"

namespace {

constexpr UINT_PTR PollTimer = 2;
constexpr UINT PollPeriodMs = 10;

// Constant-initialised: no start-up code runs constructors in this program.
constinit JoystickPoller joystickPoller;
constinit KeybdEventSink keybdEventSink;
constinit KeySender keySender(keybdEventSink);
constinit PressDispatcher pressDispatcher(joystickPoller, keySender);

// Sent to every top-level window when the notification area is re-created.
UINT taskbarCreatedMessage = 0;

// Elevated, the program would never get TaskbarCreated: it comes from the shell, which
// runs at a lower integrity level. Windows 7 has the first call, Vista only the second.
void allowTaskbarCreated(HWND window) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    using AllowForWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using AllowForProcess = BOOL(WINAPI*)(UINT, DWORD);
    if (const auto allow = boundFunction<AllowForWindow>(user32, "ChangeWindowMessageFilterEx")) {
        allow(window, taskbarCreatedMessage, MSGFLT_ALLOW, nullptr);
    } else if (const auto allowAll = boundFunction<AllowForProcess>(user32, "ChangeWindowMessageFilter")) {
        allowAll(taskbarCreatedMessage, MSGFLT_ADD);
    }
}

void create(HWND window) {
    taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    allowTaskbarCreated(window);
    if (SetTimer(window, PollTimer, PollPeriodMs, nullptr) == 0) reportTimerFailure(window);
    loadSettings();
    addTrayIcon(window);
}

void destroy(HWND window) {
    KillTimer(window, PollTimer);
    saveSettings();
    removeTrayIcon(window);
    PostQuitMessage(0);
}

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreatedMessage && message != 0) {
        addTrayIcon(window);
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        create(window);
        return 0;
    case WM_DESTROY:
        destroy(window);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_COMMAND:
        handleTrayCommand(window, LOWORD(wParam));
        return 0;
    case WM_TIMER:
        // Every timer but the icon's retry polls, whatever its id.
        if (wParam == TrayRetryTimer) {
            addTrayIcon(window);
        } else {
            pressDispatcher.pollTick(mappingSettings);
        }
        return 0;
    case TrayCallbackMessage:
        handleTrayCallback(window, wParam, lParam);
        return 0;
    case WM_ENDSESSION:
        // Log-off and shutdown end the process without destroying the window.
        if (wParam) saveSettings();
        return DefWindowProcA(window, message, wParam, lParam);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool registerMainWindowClass(HINSTANCE instance) {
    HMODULE module = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = 0;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(module, MAKEINTRESOURCEA(IDI_APP));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_TRAY);
    windowClass.lpszClassName = MainWindowClass;
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (RegisterClassExA(&windowClass) != 0) return true;
    MessageBoxA(nullptr, "Window Registration Failed!", "Error!", MB_OK | MB_ICONWARNING);
    return false;
}

HWND createMainWindow(HINSTANCE instance) {
    // Never shown: the tray icon is the only way in.
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, MainWindowClass, MainWindowTitle, WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 240, 120, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) MessageBoxA(nullptr, "Window Creation Failed!", "Error!", MB_OK | MB_ICONWARNING);
    return window;
}

int runMessageLoop() {
    MSG message;
    message.wParam = 0;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
