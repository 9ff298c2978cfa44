#include <gtest/gtest.h>

#include "tests/support/scripted_joystick.h"

namespace {

constexpr uint32_t bit(int button) {
    return 1u << (button - 1);
}

struct MaskCase {
    const char* name;
    bool present;
    uint32_t mask;
    int32_t firstPressed;
    int32_t downButtons[4]; // terminated by 0
    int32_t upButtons[5];   // terminated by 0 (so never includes button 0 itself)
};

void PrintTo(const MaskCase& c, std::ostream* os) {
    *os << c.name;
}

const MaskCase maskCases[] = {
    {"no joystick", false, 0xFFFFFFFFu, -1, {0}, {1, 2, 32, 0}},
    {"buttons 1 and 5", true, bit(1) | bit(5), 1, {1, 5, 0}, {2, 4, 6, 0}},
    {"only button 32", true, bit(32), 32, {32, 0}, {1, 31, 0}},
    {"every bit set", true, 0xFFFFFFFFu, 1, {1, 16, 32, 0}, {-1, 33, 64, INT32_MIN, 0}},
    {"nothing pressed", true, 0, -1, {0}, {1, 32, 0}},
};

class JoystickPollerMasks : public testing::TestWithParam<MaskCase> {};

TEST_P(JoystickPollerMasks, AnswersFromOneQueryEach) {
    const MaskCase& c = GetParam();
    resetScriptedJoysticks();
    scriptedJoysticks[3] = {c.present, c.mask};

    EXPECT_EQ(firstPressedButton(3), c.firstPressed);
    EXPECT_EQ(scriptedQueryCount, 1);
    for (const int32_t* b = c.downButtons; *b != 0; ++b)
        EXPECT_TRUE(isButtonDown(3, *b)) << "button " << *b;
    for (const int32_t* b = c.upButtons; *b != 0; ++b)
        EXPECT_FALSE(isButtonDown(3, *b)) << "button " << *b;
    EXPECT_FALSE(isButtonDown(3, 0));
}

INSTANTIATE_TEST_SUITE_P(Masks, JoystickPollerMasks, testing::ValuesIn(maskCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST(JoystickPoller, ListsPresentIdsAscendingWithGaps) {
    int32_t ids[MaxJoysticks];
    resetScriptedJoysticks();
    EXPECT_EQ(listJoysticks(ids), 0);
    EXPECT_EQ(scriptedQueryCount, 16);

    scriptedJoysticks[2].present = true;
    scriptedJoysticks[0].present = true;
    scriptedJoysticks[15].present = true;
    ASSERT_EQ(listJoysticks(ids), 3);
    EXPECT_EQ(ids[0], 0);
    EXPECT_EQ(ids[1], 2);
    EXPECT_EQ(ids[2], 15);
}

} // namespace
