// What `make run` shows on a machine without a display: the real program, a simulated
// joystick and a window that receives what the program types.
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

} // namespace

int main() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
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
