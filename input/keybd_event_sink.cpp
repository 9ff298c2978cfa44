#include "input/keybd_event_sink.h"

#include <windows.h>

void KeybdEventSink::keyEvent(uint8_t vk, bool keyUp) {
    keybd_event(vk, 0, keyUp ? KEYEVENTF_KEYUP : 0, 0);
}
