// Figures taken on the real jorvel.exe under Wine, with the simulated joystick:
//   program_bench latency [presses]   press-to-keystroke latency
//   program_bench storm [presses]     presses two ticks apart: keystrokes delivered / sent
//   program_bench idle [seconds]      CPU time and memory while nothing is pressed
//   program_bench startup [rounds]    start-up time of jorvel.exe and of the same program
//                                     linked with the C runtime, interleaved
//   program_bench absent [seconds]    joystick queries a second while the chosen joystick is
//                                     unplugged: idle, then with a button field of the dialog focused
// Prints key=value lines for bench/run; exits non-zero when a figure could not be taken.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "res/resource_ids.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// Buttons 1 to 4 type a, b, c and d, without Shift, so each press is one key-down.
const char benchSettings[] =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 65 , 0\r\n2 : 66 , 0\r\n3 : 67 , 0\r\n4 : 68 , 0";

LONG64 counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double counterMs(LONG64 ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

double percentile(const std::vector<double>& sorted, double p) {
    const size_t index = static_cast<size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

// From the simulated joystick's mask change to the receiver's WM_KEYDOWN, the press made
// at a random phase of the program's 10 ms tick.
int measureLatency(int presses) {
    std::mt19937 random(20261206);
    std::uniform_real_distribution<double> phase(0.0, 10.0);
    std::vector<double> latencies;
    for (int press = 0; press < presses; ++press) {
        const LONG before = joysticks().queries;
        if (!pumpUntil([&] { return joysticks().queries != before && joysticks().queries % 4 == 0; })) break;
        const LONG64 tickSeen = counter();
        const double wait = phase(random);
        while (counterMs(counter() - tickSeen) < wait) {
        }
        keysReceived.clear();
        const LONG64 pressed = counter();
        InterlockedExchange(&joysticks().masks[0], 1);
        if (!pumpUntil([] { return !keysReceived.empty(); })) break;
        latencies.push_back(counterMs(counter() - pressed));
        if (keysReceived != "v65") break;
        e2e::press(0);
    }
    if (latencies.size() != static_cast<size_t>(presses)) {
        std::printf("error=only %zu of %d presses arrived as expected\n", latencies.size(), presses);
        return 1;
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("latency_presses=%d\n", presses);
    std::printf("latency_p50_ms=%.2f\nlatency_p95_ms=%.2f\nlatency_p99_ms=%.2f\nlatency_max_ms=%.2f\n",
                percentile(latencies, 0.50), percentile(latencies, 0.95), percentile(latencies, 0.99),
                latencies.back());
    return 0;
}

// Each press held for two ticks and released for two, buttons 1 to 4 in turn.
int measureStorm(int presses) {
    keysReceived.clear();
    std::string expected;
    for (int press = 0; press < presses; ++press) {
        const int button = press % 4;
        e2e::press(1u << button);
        e2e::press(0);
        expected += (expected.empty() ? "v" : " v") + std::to_string(65 + button);
    }
    int delivered = 0;
    for (size_t at = keysReceived.find('v'); at != std::string::npos; at = keysReceived.find('v', at + 1))
        ++delivered;
    std::printf("storm_sent=%d\nstorm_delivered=%d\nstorm_in_order=%d\n", presses, delivered,
                keysReceived == expected ? 1 : 0);
    return delivered == presses && keysReceived == expected ? 0 : 1;
}

double cpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
    auto seconds = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

void pumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    pumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

int measureIdle(const Program& program, int seconds) {
    pumpFor(1000); // past start-up
    const LONG queriesBefore = joysticks().queries;
    const double cpuBefore = cpuSeconds(program.process.hProcess);
    const LONG64 start = counter();
    pumpFor(static_cast<DWORD>(seconds) * 1000);
    const double wallSeconds = counterMs(counter() - start) / 1000.0;
    const double cpu = cpuSeconds(program.process.hProcess) - cpuBefore;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(program.process.hProcess, &memory, sizeof memory);
    std::printf("idle_seconds=%.1f\nidle_ticks=%ld\n", wallSeconds, (joysticks().queries - queriesBefore) / 4);
    std::printf("idle_cpu_seconds_windows=%.3f\n", cpu);
    std::printf("idle_working_set_kb=%lu\n", static_cast<unsigned long>(memory.WorkingSetSize / 1024));
    std::printf("idle_private_kb=%lu\n", static_cast<unsigned long>(memory.PagefileUsage / 1024));

    // The same measure on a process that does nothing but take a 10 ms timer.
    const std::string floorExe = exeFolder() + "\\timer_floor.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION floor{};
    if (!CreateProcessA(floorExe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &floor)) {
        std::printf("error=timer_floor.exe did not start\n");
        return 1;
    }
    pumpFor(1000);
    const double floorBefore = cpuSeconds(floor.hProcess);
    pumpFor(static_cast<DWORD>(seconds) * 1000);
    std::printf("idle_cpu_seconds_timer_floor=%.3f\n", cpuSeconds(floor.hProcess) - floorBefore);
    TerminateProcess(floor.hProcess, 0);
    CloseHandle(floor.hThread);
    CloseHandle(floor.hProcess);
    return 0;
}

double queriesPerSecond(int seconds) {
    const LONG before = joysticks().queries;
    const LONG64 start = counter();
    pumpFor(static_cast<DWORD>(seconds) * 1000);
    return (joysticks().queries - before) / (counterMs(counter() - start) / 1000.0);
}

// The chosen joystick, id 0, is not connected.
int measureAbsent(const Program& program, int seconds) {
    pumpFor(1000); // past start-up
    std::printf("absent_seconds=%d\nabsent_idle_queries_per_second=%.1f\n", seconds, queriesPerSecond(seconds));
    program.post(WM_COMMAND, IDM_CONFIGURE);
    const std::vector<HWND> dialogs = dialogsWith(IDC_JOYSTICK_LIST);
    if (dialogs.empty()) return std::printf("error=the configuration dialog did not open\n"), 1;
    focus(dialogs[0], IDC_BUTTON_FIELD_1);
    pumpFor(1000); // past the dialog's listing of the joysticks
    std::printf("absent_capturing_queries_per_second=%.1f\n", queriesPerSecond(seconds));
    return 0;
}

// From CreateProcessA to the moment the program's hidden main window exists (found by
// FindWindowExA, polled without sleeping); then the program is ended with WM_CLOSE.
double startupMs(const std::string& exe, const std::string& workingDir) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LONG64 start = counter();
    if (!CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, workingDir.c_str(), &startup,
                        &process)) {
        return -1;
    }
    HWND window = nullptr;
    while (window == nullptr && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        for (HWND found = nullptr; (found = FindWindowExA(nullptr, found, "myWindowClass", nullptr)) != nullptr;) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == process.dwProcessId) window = found;
        }
    }
    const double elapsed = counterMs(counter() - start);
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return window != nullptr ? elapsed : -1;
}

int measureStartup(int rounds) {
    const std::string folder = makeTempFolder();
    const std::string exes[2] = {exeFolder() + "\\..\\jorvel.exe", exeFolder() + "\\jorvel_with_crt.exe"};
    const char* names[2] = {"startup_without_crt", "startup_with_crt"};
    std::vector<double> times[2];
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < 2; ++k) {
            const int which = (round + k) % 2; // alternate which one goes first
            const double ms = startupMs(exes[which], folder);
            if (ms < 0) return std::printf("error=%s did not start\n", exes[which].c_str()), 1;
            times[which].push_back(ms);
        }
    }
    std::printf("startup_rounds=%d\n", rounds);
    for (int which = 0; which < 2; ++which) {
        std::sort(times[which].begin(), times[which].end());
        std::printf("%s_ms=%.1f %.1f %.1f %.1f %.1f\n", names[which], times[which].front(),
                    percentile(times[which], 0.25), percentile(times[which], 0.5), percentile(times[which], 0.75),
                    times[which].back());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const int amount = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode == "startup") return measureStartup(amount > 0 ? amount : 20);
    if (mode != "latency" && mode != "storm" && mode != "idle" && mode != "absent") {
        std::printf("usage: program_bench latency [presses] | storm [presses] | idle [seconds] | startup [rounds] | "
                    "absent [seconds]\n");
        return 2;
    }
    const std::string folder = makeTempFolder();
    writeFile(folder + "\\jorvel.ini", benchSettings);
    joysticks().present = mode == "absent" ? 0 : 1;
    Program program(folder);
    if (program.window == nullptr) return std::printf("error=jorvel.exe did not start\n"), 1;
    focusReceiver();
    if (mode == "latency") return measureLatency(amount > 0 ? amount : 500);
    if (mode == "storm") return measureStorm(amount > 0 ? amount : 1000);
    if (mode == "absent") return measureAbsent(program, amount > 0 ? amount : 10);
    return measureIdle(program, amount > 0 ? amount : 30);
}
