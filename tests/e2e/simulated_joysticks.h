#pragma once

#include <windows.h>

// What the WINMM double answers from, shared by name between a test and the program.
struct SimulatedJoysticks {
    volatile LONG present; // bit n: joystick id n answers
    volatile LONG masks[16];
    volatile LONG queries; // every joyGetPosEx call
    volatile LONG dllBesideExeLoaded; // a program found probe.dll beside its exe by name
};

// Created zeroed by whoever comes first; the mapping lives as long as the process.
inline SimulatedJoysticks* mapSimulatedJoysticks() {
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SimulatedJoysticks),
                                        "Local\\JorvelSimulatedJoysticks");
    return static_cast<SimulatedJoysticks*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
}
