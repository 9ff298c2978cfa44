// Figures taken on the real jorvel.exe under Wine, with the simulated joystick:
//   program_bench latency [presses]   press-to-keystroke latency
//   program_bench idle [seconds]      CPU time and memory while nothing is pressed
//   program_bench startup [rounds]    start-up time of jorvel.exe and of the same program
//                                     linked with the C runtime, interleaved
// Prints key=value lines for bench/run.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

// Button 1 types z, without Shift, so the first key-down is the mapped key itself.
const char benchSettings[] =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0";

double counterMs(LONG64 ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

double percentile(std::vector<double> sorted, double p) {
    const size_t index = static_cast<size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

int measureLatency(Receiver& receiver, int presses) {
    std::mt19937 random(20261206);
    std::uniform_real_distribution<double> phase(0.0, 10.0);
    std::vector<double> latencies;
    for (int press = 0; press < presses; ++press) {
        // From just after a tick, wait a random part of the 10 ms period, then press.
        const LONG before = joysticks().queryCount;
        if (!pumpUntil([&] { return joysticks().queryCount != before && joysticks().queryCount % 4 == 0; })) break;
        const LONG64 start = performanceCounter();
        const double wait = phase(random);
        while (counterMs(performanceCounter() - start) < wait) {
        }
        const size_t seen = receiver.events().size();
        setButtons(0, 1);
        if (!pumpUntil([&] { return receiver.events().size() > seen; })) break;
        const KeyEvent& keyDown = receiver.events()[seen];
        if (keyDown.message != WM_KEYDOWN || keyDown.code != 90) break;
        latencies.push_back(counterMs(keyDown.at - joysticks().changedAt));
        setButtons(0, 0);
        waitForQueries(8);
        receiver.clear();
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

double cpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
    auto seconds = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

int measureIdle(const Program& program, int seconds) {
    pumpFor(1000); // past start-up
    const LONG queriesBefore = joysticks().queryCount;
    const double cpuBefore = cpuSeconds(program.process());
    const LONG64 start = performanceCounter();
    pumpFor(static_cast<DWORD>(seconds) * 1000);
    const double wallSeconds = counterMs(performanceCounter() - start) / 1000.0;
    const double cpu = cpuSeconds(program.process()) - cpuBefore;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(program.process(), &memory, sizeof memory);
    std::printf("idle_seconds=%.1f\nidle_ticks=%ld\n", wallSeconds, (joysticks().queryCount - queriesBefore) / 4);
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

// From CreateProcessA to the moment the program's hidden main window exists (found by
// FindWindowExA, polled without sleeping); then the program is ended with WM_CLOSE.
double startupMs(const std::string& exe, const std::string& workingDir) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LONG64 start = performanceCounter();
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
    const double elapsed = counterMs(performanceCounter() - start);
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return window != nullptr ? elapsed : -1;
}

int measureStartup(int rounds) {
    TempFolder folder;
    const std::string exes[2] = {exeFolder() + "\\..\\jorvel.exe", exeFolder() + "\\jorvel_with_crt.exe"};
    const char* names[2] = {"startup_without_crt", "startup_with_crt"};
    std::vector<double> times[2];
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < 2; ++k) {
            const int which = (round + k) % 2; // alternate which one goes first
            const double ms = startupMs(exes[which], folder.path());
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
    const bool latency = argc > 1 && lstrcmpA(argv[1], "latency") == 0;
    const bool idle = argc > 1 && lstrcmpA(argv[1], "idle") == 0;
    if (argc > 1 && lstrcmpA(argv[1], "startup") == 0) return measureStartup(argc > 2 ? std::atoi(argv[2]) : 20);
    if (!latency && !idle) {
        std::printf("usage: program_bench latency [presses] | idle [seconds] | startup [rounds]\n");
        return 2;
    }
    const int amount = argc > 2 ? std::atoi(argv[2]) : (latency ? 500 : 30);

    TempFolder folder;
    writeFile(folder.file("jorvel.ini"), benchSettings);
    installSimulatedJoysticks();
    setPresent(0, true);
    Receiver receiver;
    Program program(folder.path());
    if (!program.started()) return std::printf("error=jorvel.exe did not start\n"), 1;
    receiver.takeFocus();
    if (!waitForQueries(8)) return std::printf("error=no joystick queries\n"), 1;
    return latency ? measureLatency(receiver, amount) : measureIdle(program, amount);
}
