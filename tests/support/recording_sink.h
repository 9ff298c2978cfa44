#pragma once

#include <string>

#include "core/press_dispatcher.h"

// Records key events as "65d" (down) and "16u" (up), separated by spaces.
class RecordingSink final : public KeyEventSink {
public:
    void keyEvent(uint8_t vk, bool keyUp) override {
        if (!log.empty()) log += ' ';
        log += std::to_string(vk) + (keyUp ? "u" : "d");
    }
    std::string take() {
        std::string taken;
        taken.swap(log);
        return taken;
    }
    std::string log;
};
