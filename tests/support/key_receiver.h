#pragma once

// A window of the test process that holds the keyboard focus and records every key
// message it gets, and the message pump that tests wait with.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

inline constexpr DWORD DefaultTimeoutMs = 5000;

LONG64 performanceCounter();

// Handles this thread's messages until done() holds or the time is up; gives done().
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = DefaultTimeoutMs);
void pumpFor(DWORD ms);

struct KeyEvent {
    UINT message;
    WPARAM code;
    bool shift;
    LONG64 at; // QueryPerformanceCounter
};

// A visible window that takes the focus and records, in order, every key message with
// the Shift state and a performance-counter stamp. One receiver at a time.
class Receiver {
public:
    Receiver();
    ~Receiver();
    HWND window() const { return window_; }
    void takeFocus();
    bool hasFocus() const;
    // "down 16, down 65 shift, char A, up 16" style, for exact comparisons.
    std::string describe() const;
    std::string typedText() const;
    const std::vector<KeyEvent>& events() const { return events_; }
    void clear() { events_.clear(); }

private:
    static LRESULT CALLBACK proc(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
    std::vector<KeyEvent> events_;
};
