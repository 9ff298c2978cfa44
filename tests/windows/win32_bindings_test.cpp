#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "input/joystick_poller.h"
#include "input/keybd_event_sink.h"

namespace {

TEST(JoystickWin32, WithoutAJoystickEveryQueryFails) {
    int32_t ids[MaxJoysticks];
    EXPECT_EQ(listJoysticks(ids), 0);
    for (int32_t id : {0, 15, -1, 16}) {
        EXPECT_NE(readButtonMask(id).resultCode, JoystickNoError) << id;
        EXPECT_EQ(readButtonMask(id).mask, 0u) << id;
        EXPECT_FALSE(isButtonDown(id, 1)) << id;
        EXPECT_EQ(firstPressedButton(id), -1) << id;
    }
}

std::string received;

LRESULT CALLBACK receiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        received += std::to_string(wParam) + (message == WM_KEYUP ? "u " : "d ");
        return 0;
    case WM_CHAR:
        received += std::string("'") + static_cast<char>(wParam) + "' ";
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

TEST(KeybdEventSink, ShiftWrappedKeyReachesTheFocusedWindow) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = receiverProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "JorvelSinkReceiver";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "JorvelSinkReceiver", "receiver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    SetFocus(window);

    KeybdEventSink sink;
    KeySender sender(sink);
    sender.sendKey(65, true);

    const std::string expected = "16d 65d 'A' 16u ";
    for (DWORD start = GetTickCount(); received.size() < expected.size() && GetTickCount() - start < 5000;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
    DestroyWindow(window);
    EXPECT_EQ(received, expected);
}

} // namespace
