// Cost of one poll tick of the platform-free path: the dispatcher asking JoystickPoller for
// four slots, with the joystick query answered from memory and keys going nowhere.
#include <benchmark/benchmark.h>

#include "core/press_dispatcher.h"
#include "input/joystick_poller.h"

// The joystick query, answered from memory: joystick 0 present with these buttons down.
static uint32_t buttonsDown = 0;

ButtonMaskReading readButtonMask(int32_t joystickId) {
    return joystickId == 0 ? ButtonMaskReading{JoystickNoError, buttonsDown} : ButtonMaskReading{167, 0};
}

// Read only after a failed query, which joystick 0 never gives.
uint32_t millisecondClock() {
    return 0;
}

namespace {

class NullSink final : public KeyEventSink {
public:
    void keyEvent(uint8_t vk, bool keyUp) override { benchmark::DoNotOptimize(vk + keyUp); }
};

// Buttons 1 to 4 mapped, every other slot with Shift; keys sent nowhere.
struct TickRig {
    TickRig() {
        buttonsDown = 0;
        settings.joystickId = 0;
        for (int i = 0; i < SlotCount; ++i)
            settings.slots[i] = {i + 1, 65 + i, static_cast<uint8_t>(i & 1)};
    }
    MappingSettings settings;
    JoystickPoller poller;
    NullSink sink;
    KeySender sender{sink};
    PressDispatcher dispatcher{poller, sender};
};

void pollTickWithoutPresses(benchmark::State& state) {
    TickRig rig;
    for (auto _ : state)
        rig.dispatcher.pollTick(rig.settings);
}

// Every other tick presses all four buttons, so each of those ticks sends four keys.
void pollTickWithPresses(benchmark::State& state) {
    TickRig rig;
    uint32_t tick = 0;
    for (auto _ : state) {
        buttonsDown = (++tick & 1) ? 0xF : 0;
        rig.dispatcher.pollTick(rig.settings);
    }
}

} // namespace

BENCHMARK(pollTickWithoutPresses);
BENCHMARK(pollTickWithPresses);
BENCHMARK_MAIN();
