// What `make run` shows on a machine without a display: the real program, a simulated
// joystick and a window that receives what the program types.
// `jorvel_demo pictures` instead opens the dialogs that the documentation shows, one at a
// time, for tools/take-pictures.
#include <cstdio>
#include <sstream>

#include "res/resource_ids.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// Buttons 1 to 4 type J, o, y and ! (Shift with 74 and with 49).
const char demoSettings[] =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 74 , 1\r\n2 : 79 , 0\r\n3 : 89 , 0\r\n4 : 49 , 1";

// The text that the key-downs in the receiver's log type with the demo's keys.
std::string typedText(const std::string& log) {
    std::istringstream keys(log);
    std::string text;
    bool shift = false;
    for (std::string key; keys >> key;) {
        const int code = std::atoi(key.c_str() + 1);
        if (code == VK_SHIFT) {
            shift = key[0] == 'v';
        } else if (key[0] == 'v') {
            text += code == '1' ? (shift ? '!' : '1') : static_cast<char>(shift ? code : code + 32);
        }
    }
    return text;
}

// Prints where the window lies on the screen and waits for the picture to be taken.
void showForPicture(const char* name, HWND window) {
    const DWORD start = GetTickCount();
    pumpUntil([&] { return GetTickCount() - start >= 300; }); // time to paint
    RECT bounds;
    GetWindowRect(window, &bounds);
    std::printf("picture %s %ldx%ld+%ld+%ld\n", name, bounds.right - bounds.left, bounds.bottom - bounds.top,
                bounds.left, bounds.top);
    std::fflush(stdout);
    char answer[8];
    std::fgets(answer, sizeof answer, stdin);
}

// The configuration dialog with slot 2 sending "A" for button 3, and in slot 4 button 7
// just captured and "z" typed; the chooser; the About box.
int takePictures(const std::string& folder) {
    writeFile(folder + "\\jorvel.ini",
              "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n-1 : -1 , 0\r\n3 : 65 , 1\r\n-1 : -1 , 0\r\n-1 : -1 , 0");
    joysticks().present = 1;
    Program program(folder);
    if (program.window == nullptr) return std::printf("demo: jorvel.exe did not start\n"), 1;
    program.post(WM_COMMAND, IDM_CONFIGURE);
    HWND dialog = dialogsWith(IDC_JOYSTICK_LIST).at(0);
    focus(dialog, IDC_BUTTON_FIELD_4);
    press(1u << 6);
    press(0);
    focus(dialog, IDC_KEY_FIELD_4);
    typeKey('Z');
    showForPicture("config-dialog", dialog);
    PostMessageA(dialog, WM_COMMAND, IDC_CHOOSE_KEY_2, 0);
    HWND chooser = dialogsWith(IDC_KEY_UP).at(0);
    showForPicture("special-key-chooser", chooser);
    endDialog(chooser, IDCANCEL);
    endDialog(dialog, IDCANCEL);
    program.post(WM_COMMAND, IDM_ABOUT);
    HWND about = dialogsWith(IDC_ABOUT_TEXT).at(0);
    showForPicture("about-box", about);
    endDialog(about, IDOK);
    program.post(WM_COMMAND, IDM_EXIT);
    return program.exitCode() == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    if (argc > 1 && std::string(argv[1]) == "pictures") return takePictures(folder);
    const std::string settingsPath = std::string(folder) + "\\jorvel.ini";
    writeFile(settingsPath, demoSettings);
    std::printf("demo: jorvel.ini written to %s:\n%s\n\n", folder, demoSettings);

    joysticks().present = 1;
    Program program(folder);
    if (program.window == nullptr) return std::printf("demo: jorvel.exe did not start\n"), 1;
    focusReceiver();
    std::printf("demo: jorvel.exe runs (process %lu); a receiver window has the focus.\n",
                static_cast<unsigned long>(program.process.dwProcessId));
    for (int button = 1; button <= 4; ++button) {
        std::printf("demo: press and release button %d\n", button);
        press(1u << (button - 1));
        press(0);
    }
    const std::string text = typedText(keysReceived);
    std::printf("\ndemo: the receiver got these key messages (v down, ^ up):\n  %s\n", keysReceived.c_str());
    std::printf("demo: typed text: \"%s\"\n\n", text.c_str());

    program.post(WM_COMMAND, IDM_EXIT);
    const DWORD exitCode = program.exitCode();
    std::printf("demo: Exit from the tray menu; the program ended with code %lu.\n", exitCode);
    std::printf("demo: it saved %s:\n%s\n", settingsPath.c_str(), readFile(settingsPath).c_str());
    return text == "Joy!" && exitCode == 0 ? 0 : 1;
}
