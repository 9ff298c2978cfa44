#include "core/press_dispatcher.h"

void KeySender::sendKey(int32_t virtualKey, bool shift) {
    const auto vk = static_cast<uint8_t>(virtualKey);
    if (shift) {
        sink_.keyEvent(ShiftKey, false);
        sink_.keyEvent(vk, false);
        sink_.keyEvent(ShiftKey, true);
    } else {
        sink_.keyEvent(vk, false);
    }
}

void PressDispatcher::pollTick(const MappingSettings& settings) {
    for (int i = 0; i < SlotCount; ++i) {
        const KeySlot& slot = settings.slots[i];
        // Asked for every slot on every tick, so an unmapped slot still tracks its button.
        const bool down = buttons_.isButtonDown(settings.joystickId, slot.buttonNumber);
        if (down && slotLatch[i] == 0 && slot.virtualKey != Unset) {
            slotLatch[i] = 1;
            sender_.sendKey(slot.virtualKey, slot.shiftFlag != 0);
        } else if (!down) {
            slotLatch[i] = 0;
        }
    }
}
