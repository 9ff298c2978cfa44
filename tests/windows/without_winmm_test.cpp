// Run with WINMM made unloadable (WINEDLLOVERRIDES=winmm=d): the failed bind means no
// joystick, every time, and nothing crashes.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include "input/joystick_poller.h"

namespace {

TEST(JoystickWithoutWinmm, EveryQueryFailsAsWithoutADriver) {
    for (int round = 0; round < 3; ++round) {
        for (int32_t id : {0, 1, 15}) {
            const ButtonMaskReading reading = readButtonMask(id);
            EXPECT_EQ(reading.resultCode, static_cast<uint32_t>(MMSYSERR_NODRIVER)) << id;
            EXPECT_EQ(reading.mask, 0u) << id;
        }
    }
    int32_t ids[MaxJoysticks];
    EXPECT_EQ(listJoysticks(ids), 0);
    EXPECT_EQ(GetModuleHandleA("winmm.dll"), nullptr);
}

} // namespace
