#include "tests/support/key_receiver.h"

namespace {
Receiver* activeReceiver = nullptr;
}

LONG64 performanceCounter() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

void pumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    pumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

Receiver::Receiver() {
    static const ATOM windowClass = [] {
        WNDCLASSA record{};
        record.lpfnWndProc = proc;
        record.hInstance = GetModuleHandleA(nullptr);
        record.lpszClassName = "JorvelKeyReceiver";
        record.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        return RegisterClassA(&record);
    }();
    (void)windowClass;
    activeReceiver = this;
    window_ = CreateWindowExA(0, "JorvelKeyReceiver", "Key receiver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 40, 320,
                              200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    takeFocus();
}

Receiver::~Receiver() {
    DestroyWindow(window_);
    activeReceiver = nullptr;
}

void Receiver::takeFocus() {
    SetForegroundWindow(window_);
    SetFocus(window_);
    pumpUntil([this] { return hasFocus(); });
}

bool Receiver::hasFocus() const {
    return GetForegroundWindow() == window_ && GetFocus() == window_;
}

LRESULT CALLBACK Receiver::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        if (activeReceiver != nullptr) {
            activeReceiver->events_.push_back({message, wParam, GetKeyState(VK_SHIFT) < 0, performanceCounter()});
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string Receiver::describe() const {
    std::string text;
    for (const KeyEvent& event : events_) {
        if (!text.empty()) text += ", ";
        switch (event.message) {
        case WM_KEYDOWN:
            text += "down ";
            break;
        case WM_KEYUP:
            text += "up ";
            break;
        case WM_CHAR:
            text += "char ";
            break;
        case WM_SYSKEYDOWN:
            text += "sysdown ";
            break;
        case WM_SYSKEYUP:
            text += "sysup ";
            break;
        default:
            text += "syschar ";
            break;
        }
        if (event.message == WM_CHAR || event.message == WM_SYSCHAR) {
            if (event.code > ' ' && event.code < 127) {
                text += static_cast<char>(event.code);
            } else {
                text += "#" + std::to_string(event.code);
            }
        } else {
            text += std::to_string(event.code);
            if (event.shift && event.code != VK_SHIFT) text += " shift";
        }
    }
    return text;
}

std::string Receiver::typedText() const {
    std::string text;
    for (const KeyEvent& event : events_) {
        if (event.message == WM_CHAR) text += static_cast<char>(event.code);
    }
    return text;
}
