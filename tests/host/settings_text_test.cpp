#include <gtest/gtest.h>

#include <string>

#include "core/settings_text.h"

namespace {

const std::string example =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n2 : 65 , 1\r\n3 : 13 , 0\r\n4 : 38 , 0";
const std::string initial =
    "[Joystick]\r\n-1\r\n\r\n[Key Settings]\r\n-1 : -1 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0";

// A text read into a record that held 7 everywhere, and the text that record saves as:
// fields from the first mismatch on keep their 7. White space, cut texts and stray bytes
// are the fuzzer's, which holds the scanner to sscanf; it cannot check saturation.
TEST(SettingsText, ReadsFieldsUpToTheFirstMismatchAndSavesThem) {
    const struct {
        std::string read, saved;
    } texts[] = {
        {example, example},
        {initial, initial},
        // Signs, and the low byte of a Shift flag.
        {"[Joystick]\r\n+3\r\n\r\n[Key Settings]\r\n-5 : +7 , 300\r\n1 : 2 , -1",
         "[Joystick]\r\n3\r\n\r\n[Key Settings]\r\n-5 : 7 , 44\r\n1 : 2 , 255\r\n7 : 7 , 7\r\n7 : 7 , 7"},
        // Saturated at 32 bits.
        {"[Joystick]\n99999999999\n[Key Settings]\n-99999999999:2147483648,1",
         "[Joystick]\r\n2147483647\r\n\r\n[Key Settings]\r\n-2147483648 : 2147483647 , 1\r\n7 : 7 , 7\r\n7 : 7 , 7\r\n"
         "7 : 7 , 7"},
    };
    for (const auto& text : texts) {
        MappingSettings settings{7, {{7, 7, 7}, {7, 7, 7}, {7, 7, 7}, {7, 7, 7}}};
        parseSettingsText(text.read.c_str(), settings);
        char saved[SettingsTextCapacity];
        formatSettingsText(settings, saved);
        EXPECT_EQ(saved, text.saved);
    }
}

} // namespace
