// The least a Wine process with a 10 ms timer can cost: a hidden window, SetTimer and an
// empty message loop. program_bench measures it beside jorvel.exe to show Wine's share.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "JorvelTimerFloor";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "JorvelTimerFloor", "", 0, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    SetTimer(window, 1, 10, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
