#include <gtest/gtest.h>

#include "core/press_dispatcher.h"
#include "tests/support/recording_sink.h"
#include "tests/support/scripted_joystick.h"

namespace {

constexpr uint32_t bit(int button) {
    return 1u << (button - 1);
}

MappingSettings slot1(int32_t button, int32_t key, uint8_t shift) {
    MappingSettings settings;
    settings.joystickId = 0;
    settings.slots[0] = {button, key, shift};
    return settings;
}

using Change = void (*)(MappingSettings&);

// One tick: the joystick's state before it, an optional commit, and what must come out.
struct Tick {
    uint32_t mask;
    const char* expected;
    Change change = nullptr;
    bool present = true;
};

struct Scenario {
    const char* name;
    MappingSettings settings;
    std::vector<Tick> ticks;
};

void PrintTo(const Scenario& c, std::ostream* os) {
    *os << c.name;
}

const Scenario scenarios[] = {
    {"HeldButtonSendsOnce", slot1(3, 65, 0), {{bit(3), "65d"}, {bit(3), ""}, {bit(3), ""}, {0, ""}}},
    {"RepressAfterOneUpTickSendsAgain", slot1(3, 65, 0), {{bit(3), "65d"}, {0, ""}, {bit(3), "65d"}}},
    {"ShiftWrapReleasesOnlyShift", slot1(1, 65, 1), {{bit(1), "16d 65d 16u"}, {0, ""}}},
    {"AnyNonZeroShiftFlagWraps", slot1(1, 65, 2), {{bit(1), "16d 65d 16u"}}},
    {"ShiftAsTheKeyGetsNoKeyUp", slot1(1, 16, 0), {{bit(1), "16d"}, {0, ""}}},
    {"KeyAbove255SendsLowByte", slot1(1, 300, 0), {{bit(1), "44d"}}},
    {"KeyZeroIsSent", slot1(1, 0, 0), {{bit(1), "0d"}}},
    {"Key255IsSent", slot1(1, 255, 0), {{bit(1), "255d"}}},
    {"ButtonMinusOneNeverFires", slot1(-1, 65, 0), {{0xFFFFFFFFu, ""}}},
    {"ButtonZeroNeverFires", slot1(0, 65, 0), {{0xFFFFFFFFu, ""}}},
    {"Button33NeverFires", slot1(33, 65, 0), {{0xFFFFFFFFu, ""}}},
    {"Button32Fires", slot1(32, 65, 0), {{bit(32), "65d"}}},
    {"InitialSettingsSendNothing", MappingSettings{}, {{0xFFFFFFFFu, ""}, {0, ""}, {0xFFFFFFFFu, ""}}},
    {"UnsetJoystickSendsNothing",
     [] {
         MappingSettings s = slot1(1, 65, 0);
         s.joystickId = -1;
         return s;
     }(),
     {{0xFFFFFFFFu, ""}}},
    {"TwoSlotsOnOneButtonLowerSlotFirst",
     [] {
         MappingSettings s = slot1(2, 65, 0);
         s.slots[3] = {2, 66, 1};
         s.slots[1] = {5, 67, 0};
         return s;
     }(),
     {{bit(2), "65d 16d 66d 16u"}, {bit(2) | bit(5), "67d"}}},
    {"UnsetKeyHeldThenCommittedSendsNextTick",
     slot1(4, -1, 0),
     {{bit(4), ""}, {bit(4), "90d", [](MappingSettings& s) { s.slots[0].virtualKey = 90; }}}},
    {"CommitToHeldButtonWaitsForRelease",
     slot1(1, 65, 0),
     {{bit(1) | bit(2), "65d"},
      {bit(1) | bit(2), "", [](MappingSettings& s) { s.slots[0].buttonNumber = 2; }},
      {0, ""},
      {bit(2), "65d"}}},
    {"CommitToReleasedButtonClearsLatch",
     slot1(1, 65, 0),
     {{bit(1), "65d"},
      {bit(1), "", [](MappingSettings& s) { s.slots[0].buttonNumber = 2; }},
      {bit(1) | bit(2), "65d"}}},
    {"UnpluggedWhileHeldSendsAgainOnReturn",
     slot1(1, 65, 0),
     {{bit(1), "65d"}, {bit(1), "", nullptr, false}, {bit(1), "65d"}}},
};

class PressDispatcherScenario : public testing::TestWithParam<Scenario> {};

TEST_P(PressDispatcherScenario, SendsExactlyTheExpectedEventsPerTick) {
    const Scenario& scenario = GetParam();
    resetScriptedJoysticks();
    JoystickPoller poller;
    RecordingSink sink;
    KeySender sender(sink);
    PressDispatcher dispatcher(poller, sender);
    MappingSettings settings = scenario.settings;

    for (size_t i = 0; i < scenario.ticks.size(); ++i) {
        const Tick& tick = scenario.ticks[i];
        scriptedJoysticks[0] = {tick.present, tick.mask};
        if (tick.change != nullptr) tick.change(settings);
        dispatcher.pollTick(settings);
        EXPECT_EQ(sink.take(), tick.expected) << "tick " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Ticks, PressDispatcherScenario, testing::ValuesIn(scenarios),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PressDispatcher, UnsetKeyLeavesLatchClearAndEveryTickAsksEverySlot) {
    resetScriptedJoysticks();
    scriptedJoysticks[0] = {true, 0xFFFFFFFFu};
    JoystickPoller poller;
    RecordingSink sink;
    KeySender sender(sink);
    PressDispatcher dispatcher(poller, sender);
    MappingSettings settings = slot1(1, -1, 0);

    dispatcher.pollTick(settings);
    dispatcher.pollTick(settings);
    EXPECT_EQ(dispatcher.slotLatch[0], 0);
    EXPECT_EQ(scriptedQueryCount, 8);
    EXPECT_EQ(sink.log, "");
}

} // namespace
