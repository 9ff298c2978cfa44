// What `make run` shows on a machine without a display: the real program, a simulated
// joystick and a window that receives what the program types.
#include <cstdio>
#include <memory>

#include "res/resource_ids.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// Buttons 1 to 4 type J, o, y and ! (Shift with 74 and with 49).
const char demoSettings[] =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 74 , 1\r\n2 : 79 , 0\r\n3 : 89 , 0\r\n4 : 49 , 1";

int fail(const char* what) {
    std::printf("demo: %s\n", what);
    return 1;
}

} // namespace

int main() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    const std::string settingsPath = std::string(folder) + "\\jorvel.ini";
    writeFile(settingsPath, demoSettings);
    std::printf("demo: jorvel.ini written to %s:\n%s\n\n", folder, demoSettings);

    installSimulatedJoysticks();
    setPresent(0, true);
    Receiver receiver;
    auto program = std::make_unique<Program>(folder);
    if (!program->started()) return fail("jorvel.exe did not start");
    receiver.takeFocus();
    if (!waitForQueries(8)) return fail("jorvel.exe does not read the simulated joystick");
    std::printf("demo: jorvel.exe runs (process %lu); a receiver window has the focus.\n",
                static_cast<unsigned long>(program->processId()));

    for (int button = 1; button <= 4; ++button) {
        const size_t before = receiver.typedText().size();
        std::printf("demo: press and release button %d\n", button);
        setButtons(0, 1u << (button - 1));
        pumpUntil([&] { return receiver.typedText().size() > before; });
        setButtons(0, 0);
        waitForQueries(8);
    }
    std::printf("\ndemo: the receiver got these key messages:\n  %s\n", receiver.describe().c_str());
    std::printf("demo: typed text: \"%s\"\n\n", receiver.typedText().c_str());

    program->command(IDM_EXIT);
    const long exitCode = program->waitForExit();
    std::printf("demo: Exit from the tray menu; the program ended with code %ld.\n", exitCode);
    std::printf("demo: it saved %s:\n%s\n", settingsPath.c_str(), readFile(settingsPath).c_str());
    return receiver.typedText() == "Joy!" && exitCode == 0 ? 0 : 1;
}
