#pragma once

#include "core/press_dispatcher.h"

// Injects events into the system's input stream, where the focused window gets them.
class KeybdEventSink final : public KeyEventSink {
public:
    void keyEvent(uint8_t vk, bool keyUp) override;
};
