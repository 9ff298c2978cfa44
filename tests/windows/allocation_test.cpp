// The running path allocates nothing: thousands of ticks with presses, a settings load
// and save, and the configuration dialog's open-edit-Ok cycle, with every operator new
// and every malloc, calloc, realloc and _strdup counted (the link wraps the C ones).
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "app/main_window.h"
#include "core/mapping_settings.h"
#include "core/settings_file.h"
#include "res/resource_ids.h"
#include "tests/support/example_settings.h"
#include "tests/support/scripted_joystick.h"
#include "tests/support/temp_working_dir.h"
#include "ui/config_dialog.h"

namespace {
bool counting = false;
long allocations = 0;

void count() {
    if (counting) ++allocations;
}
} // namespace

extern "C" {
void* __real_malloc(size_t);
void* __real_calloc(size_t, size_t);
void* __real_realloc(void*, size_t);
char* __real__strdup(const char*);
void* __wrap_malloc(size_t size) {
    count();
    return __real_malloc(size);
}
void* __wrap_calloc(size_t n, size_t size) {
    count();
    return __real_calloc(n, size);
}
void* __wrap_realloc(void* block, size_t size) {
    count();
    return __real_realloc(block, size);
}
char* __wrap__strdup(const char* text) {
    count();
    return __real__strdup(text);
}
}

void* operator new(size_t size) {
    count();
    if (void* block = __real_malloc(size ? size : 1)) return block;
    std::abort();
}
void* operator new[](size_t size) {
    return operator new(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, size_t) noexcept {
    std::free(block);
}

namespace {

long allocationsDuring(void (*work)()) {
    allocations = 0;
    counting = true;
    work();
    counting = false;
    return allocations;
}

TEST(Allocations, TheCounterSeesEveryKind) {
    static void* blocks[4];
    EXPECT_EQ(allocationsDuring([] {
                  blocks[0] = std::malloc(8);
                  blocks[1] = std::calloc(2, 8);
                  blocks[2] = std::realloc(nullptr, 8);
                  blocks[3] = new char[8];
              }),
              4);
    for (int i = 0; i < 3; ++i)
        std::free(blocks[i]);
    delete[] static_cast<char*>(blocks[3]);
}

TEST(Allocations, NoneOnTheRunningPath) {
    TempWorkingDir dir;
    writeFile(SettingsFileName, exampleFile);
    resetScriptedJoysticks();
    scriptedJoysticks[0].present = true;
    ASSERT_TRUE(registerMainWindowClass(GetModuleHandleA(nullptr)));

    static HWND window;
    const long counted = allocationsDuring([] {
        window = createMainWindow(GetModuleHandleA(nullptr)); // loads the settings
        KillTimer(window, 2);
        for (int tick = 0; tick < 4000; ++tick) {
            scriptedJoysticks[0].mask = (tick / 3) % 2 ? 1u << (tick / 6 % 4) : 0;
            SendMessageA(window, WM_TIMER, 2, 0);
        }
        HWND dialog =
            CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONFIG), nullptr, ConfigDialogProc, 0);
        SetDlgItemTextA(dialog, IDC_BUTTON_FIELD_4, "9");
        SetDlgItemTextA(dialog, IDC_KEY_FIELD_4, "q");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        DestroyWindow(dialog);
        DestroyWindow(window); // saves the settings
    });
    EXPECT_EQ(counted, 0);
    EXPECT_GT(scriptedQueryCount, 16000) << "the ticks ran";
    EXPECT_EQ(mappingSettings.slots[3].buttonNumber, 9) << "the dialog's Ok ran";
    EXPECT_EQ(readFile(SettingsFileName),
              "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n2 : 65 , 1\r\n3 : 13 , 0\r\n9 : 81 , 0");
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

} // namespace
