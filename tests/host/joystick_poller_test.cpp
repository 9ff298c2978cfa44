#include <gtest/gtest.h>

#include "input/joystick_poller.h"

// The platform under the poller: the ids in `present` answer, with every button down.
static uint32_t now, present;
static int queries;

ButtonMaskReading readButtonMask(int32_t id) {
    ++queries;
    const bool answers = id >= 0 && id < MaxJoysticks && (present >> id & 1);
    return answers ? ButtonMaskReading{JoystickNoError, ~0u} : ButtonMaskReading{167, 0}; // JOYERR_UNPLUGGED
}

uint32_t millisecondClock() {
    return now;
}

TEST(JoystickPoller, LeavesAFailedIdAloneFor500Ms) {
    for (const uint32_t failedAt : {1000u, 0xFFFFFF00u}) { // the clock wraps after 49.7 days
        SCOPED_TRACE(failedAt);
        now = failedAt;
        present = 0;
        EXPECT_FALSE(isButtonDown(3, 1));
        EXPECT_FALSE(isButtonDown(-1, 1)); // ids outside 0 to 15 share an entry of their own
        present = 0b1001;
        now = failedAt + 1;
        const int before = queries;
        EXPECT_EQ(firstPressedButton(3), -1); // capture leaves it alone too
        EXPECT_FALSE(isButtonDown(99, 1));
        EXPECT_TRUE(isButtonDown(0, 1)); // other ids are asked
        int32_t ids[MaxJoysticks];
        EXPECT_EQ(listJoysticks(ids), 2); // and every id by the dialog's listing
        now = failedAt + 499;
        EXPECT_FALSE(isButtonDown(3, 1));
        EXPECT_EQ(queries - before, 1 + MaxJoysticks);
        now = failedAt + 500;
        EXPECT_TRUE(isButtonDown(3, 1));
    }
}
