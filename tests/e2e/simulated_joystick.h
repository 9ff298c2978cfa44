#pragma once

#include <windows.h>

#include <cstdint>

// The state that the test double of WINMM answers from, shared through a named file
// mapping between the process that drives a test and the program under test.
struct SimulatedJoysticks {
    volatile LONG presentIds; // bit n set while joystick id n answers
    volatile LONG buttonMasks[16];
    volatile LONG queryCount;           // every joyGetPosEx call, answered or not
    volatile LONG64 changedAt;          // QueryPerformanceCounter when a mask last changed
    volatile LONG queriesSeeingButtons; // answered queries that reported a button down
    volatile LONG plantedLoads;         // times the planted copy beside a program was loaded
};

inline constexpr char SimulatedJoysticksName[] = "Local\\JorvelSimulatedJoysticks";

// Opens (create = true: creates, zeroed) the shared state; nullptr when it does not exist.
inline SimulatedJoysticks* mapSimulatedJoysticks(bool create) {
    HANDLE mapping = create ? CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                 sizeof(SimulatedJoysticks), SimulatedJoysticksName)
                            : OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, SimulatedJoysticksName);
    if (mapping == nullptr) return nullptr;
    // The mapping stays open for the life of the process, like the view.
    return static_cast<SimulatedJoysticks*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
}
