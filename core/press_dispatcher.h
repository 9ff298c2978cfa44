#pragma once

#include <cstdint>

#include "core/mapping_settings.h"

inline constexpr uint8_t ShiftKey = 16;

// Answers whether a button of a joystick reads down right now.
class ButtonStateSource {
public:
    virtual bool isButtonDown(int32_t joystickId, int32_t button) = 0;

protected:
    ~ButtonStateSource() = default;
};

// Emits one keyboard event into the system's input.
class KeyEventSink {
public:
    virtual void keyEvent(uint8_t vk, bool keyUp) = 0;

protected:
    ~KeyEventSink() = default;
};

class KeySender {
public:
    constexpr explicit KeySender(KeyEventSink& sink) : sink_(sink) {}

    // Key-down only for the mapped key; only the Shift wrap is released.
    void sendKey(int32_t virtualKey, bool shift);

private:
    KeyEventSink& sink_;
};

class PressDispatcher {
public:
    constexpr PressDispatcher(ButtonStateSource& buttons, KeySender& sender) : buttons_(buttons), sender_(sender) {}

    // One poll of the four slots; sends a slot's key on a released-to-pressed edge.
    void pollTick(const MappingSettings& settings);

    // 1 while the slot's current press has been served.
    uint8_t slotLatch[SlotCount] = {0, 0, 0, 0};

private:
    ButtonStateSource& buttons_;
    KeySender& sender_;
};
