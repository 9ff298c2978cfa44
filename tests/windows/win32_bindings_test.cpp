#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "input/joystick_poller.h"
#include "input/keybd_event_sink.h"
#include "tests/support/key_receiver.h"

namespace {

TEST(JoystickWin32, WithoutAJoystickEveryQueryFails) {
    int32_t ids[MaxJoysticks];
    EXPECT_EQ(listJoysticks(ids), 0);
    for (int32_t id : {0, 15, -1, 16}) {
        EXPECT_NE(readButtonMask(id).resultCode, JoystickNoError) << id;
        EXPECT_EQ(readButtonMask(id).mask, 0u) << id;
        EXPECT_FALSE(isButtonDown(id, 1)) << id;
        EXPECT_EQ(firstPressedButton(id), -1) << id;
    }
}

TEST(KeybdEventSink, ShiftWrappedKeyReachesTheFocusedWindow) {
    Receiver receiver;
    ASSERT_TRUE(receiver.hasFocus());
    KeybdEventSink sink;
    KeySender sender(sink);
    sender.sendKey(65, true);

    const std::string expected = "down 16, down 65 shift, char A, up 16";
    pumpUntil([&] { return receiver.describe().size() >= expected.size(); });
    EXPECT_EQ(receiver.describe(), expected);
}

} // namespace
