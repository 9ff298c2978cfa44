// Cost of one poll tick of the platform-free path: the dispatcher asking JoystickPoller for
// four slots, with the joystick query answered from memory and keys going nowhere.
#include <benchmark/benchmark.h>

#include "core/press_dispatcher.h"
#include "input/joystick_poller.h"
#include "tests/support/example_settings.h"
#include "tests/support/scripted_joystick.h"

namespace {

class NullSink final : public KeyEventSink {
public:
    void keyEvent(uint8_t vk, bool keyUp) override { benchmark::DoNotOptimize(vk + keyUp); }
};

// One joystick present with no button down, the example mapping, keys sent nowhere.
struct TickRig {
    TickRig() {
        resetScriptedJoysticks();
        scriptedJoysticks[0].present = true;
    }
    const MappingSettings settings = exampleRecord();
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
        scriptedJoysticks[0].mask = (++tick & 1) ? 0xF : 0;
        rig.dispatcher.pollTick(rig.settings);
    }
}

} // namespace

BENCHMARK(pollTickWithoutPresses);
BENCHMARK(pollTickWithPresses);
BENCHMARK_MAIN();
