#include <gtest/gtest.h>

#include <string>

#include "core/settings_text.h"

namespace {

const std::string example =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n2 : 65 , 1\r\n3 : 13 , 0\r\n4 : 38 , 0";
const std::string initial =
    "[Joystick]\r\n-1\r\n\r\n[Key Settings]\r\n-1 : -1 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0";

// A text read into a record that held 7 everywhere, and the text that record saves as:
// fields from the first mismatch on keep their 7.
struct TextCase {
    const char* name;
    std::string read;
    std::string saved;
};

const TextCase textCases[] = {
    {"Example", example, example},
    {"Initial", initial, initial},
    {"EveryKindOfWhiteSpace",
     "[Joystick] \t\n\v\f\r0\f[Key Settings]\v1 \t:\n90\r,\f0\t2:65,1\n3 : 13 , 0\r\n4 : 38 , 0", example},
    {"SignsAndTheLowByteOfShift", "[Joystick]\r\n+3\r\n\r\n[Key Settings]\r\n-5 : +7 , 300\r\n1 : 2 , -1",
     "[Joystick]\r\n3\r\n\r\n[Key Settings]\r\n-5 : 7 , 44\r\n1 : 2 , 255\r\n7 : 7 , 7\r\n7 : 7 , 7"},
    {"SaturatedAt32Bits", "[Joystick]\n99999999999\n[Key Settings]\n-99999999999:2147483648,1",
     "[Joystick]\r\n2147483647\r\n\r\n[Key Settings]\r\n-2147483648 : 2147483647 , 1\r\n7 : 7 , 7\r\n7 : 7 , 7\r\n"
     "7 : 7 , 7"},
    {"CutAfterAComma", example.substr(0, example.find("65 ,") + 4),
     "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n2 : 65 , 7\r\n7 : 7 , 7\r\n7 : 7 , 7"},
    {"SignWithoutDigits", "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n2 : -x",
     "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n2 : 7 , 7\r\n7 : 7 , 7\r\n7 : 7 , 7"},
    {"ByteOrderMarkMatchesNothing", "\xEF\xBB\xBF" + example,
     "[Joystick]\r\n7\r\n\r\n[Key Settings]\r\n7 : 7 , 7\r\n7 : 7 , 7\r\n7 : 7 , 7\r\n7 : 7 , 7"},
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class SettingsText : public testing::TestWithParam<TextCase> {};

TEST_P(SettingsText, ReadsFieldsUpToTheFirstMismatchAndSavesThem) {
    MappingSettings settings{7, {{7, 7, 7}, {7, 7, 7}, {7, 7, 7}, {7, 7, 7}}};
    parseSettingsText(GetParam().read.c_str(), settings);
    char text[SettingsTextCapacity];
    formatSettingsText(settings, text);
    EXPECT_EQ(text, GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Texts, SettingsText, testing::ValuesIn(textCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
