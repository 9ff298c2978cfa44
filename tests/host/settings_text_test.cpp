#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/settings_text.h"
#include "tests/support/example_settings.h"
#include "tests/support/settings_fields.h"

namespace {

void expectSame(const MappingSettings& actual, const MappingSettings& expected, const std::string& context) {
    int32_t a[13], e[13];
    settingsFields(actual, a);
    settingsFields(expected, e);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(a[i], e[i]) << context << ", field " << i;
}

// A record whose every field differs from the example's, to see which fields a parse touched.
MappingSettings sentinel() {
    MappingSettings s;
    s.joystickId = 9;
    for (int i = 0; i < SlotCount; ++i)
        s.slots[i] = {20 + i, 120 + i, 7};
    return s;
}

std::string format(const MappingSettings& s) {
    char text[SettingsTextCapacity];
    formatSettingsText(s, text);
    return text;
}

TEST(SettingsText, ExampleRecordsGiveExampleFilesByteForByte) {
    EXPECT_EQ(format(exampleRecord()), exampleFile);
    EXPECT_EQ(exampleFile.size(), 79u);
    EXPECT_EQ(format(MappingSettings{}), initialFile);
    EXPECT_EQ(initialFile.size(), 84u);
}

TEST(SettingsText, RoundTripsRecordsInRange) {
    MappingSettings extremes;
    extremes.joystickId = 15;
    extremes.slots[0] = {99, 255, 1};
    extremes.slots[1] = {32, 0, 0};
    extremes.slots[2] = {-1, -1, 1};
    extremes.slots[3] = {1, 186, 0};
    const MappingSettings records[] = {exampleRecord(), MappingSettings{}, extremes};
    for (const MappingSettings& record : records) {
        MappingSettings loaded = sentinel();
        const std::string text = format(record);
        parseSettingsText(text.c_str(), loaded);
        expectSame(loaded, record, text);
    }
}

struct DamagedCase {
    const char* name;
    std::string text;
    int fieldsLoaded; // from the example record, in file order; the rest keep the sentinel
};

void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.name;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

const DamagedCase damagedCases[] = {
    {"LfOnlyLineEnds", replaced(exampleFile, "\r\n", "\n"), 13},
    {"NoSpacesAroundSeparators", replaced(replaced(exampleFile, " : ", ":"), " , ", ","), 13},
    {"ExtraBlankLines", replaced(exampleFile, "\r\n", "\r\n\r\n\n"), 13},
    {"IndentedLinesAfterTheFirst", replaced(exampleFile, "\r\n", "\r\n \t "), 13},
    {"SectionNameWithoutSpace", replaced(exampleFile, "Key Settings", "KeySettings"), 13},
    {"TrailingJunkIgnored", exampleFile + "\r\n5 : 6 , 7 and more", 13},
    {"LowerCaseFirstLine", replaced(exampleFile, "[Joystick]", "[joystick]"), 0},
    {"LeadingBlankLine", "\r\n" + exampleFile, 0},
    {"LeadingSpace", " " + exampleFile, 0},
    {"ByteOrderMark", "\xEF\xBB\xBF" + exampleFile, 0},
    {"Empty", "", 0},
    {"OnlyJoystick", "[Joystick]\r\n0", 1},
    {"OnlyJoystickWithLineBreak", "[Joystick]\r\n0\r\n", 1},
    {"Slot2CutAfterKey", exampleFile.substr(0, exampleFile.find("65") + 2), 6},
    {"Slot2CutAfterComma", exampleFile.substr(0, exampleFile.find("65") + 4), 6},
    {"WrongSeparator", replaced(exampleFile, "3 : 13", "3 ; 13"), 8},
    {"NumberCutBySign", replaced(exampleFile, "4 : 38", "4 : -x"), 11},
};

class SettingsTextDamaged : public testing::TestWithParam<DamagedCase> {};

TEST_P(SettingsTextDamaged, LoadsFieldsBeforeTheFirstMismatchOnly) {
    const DamagedCase& c = GetParam();
    MappingSettings loaded = sentinel();
    parseSettingsText(c.text.c_str(), loaded);

    int32_t expected[13], example[13];
    settingsFields(sentinel(), expected);
    settingsFields(exampleRecord(), example);
    for (int i = 0; i < c.fieldsLoaded; ++i)
        expected[i] = example[i];
    int32_t actual[13];
    settingsFields(loaded, actual);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(actual[i], expected[i]) << "field " << i;
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsTextDamaged, testing::ValuesIn(damagedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsText, ShiftKeepsLowEightBitsAndSavesThemBack) {
    MappingSettings loaded = exampleRecord();
    parseSettingsText(replaced(replaced(exampleFile, "65 , 1", "65 , 300"), "13 , 0", "13 , -1").c_str(), loaded);
    EXPECT_EQ(loaded.slots[1].shiftFlag, 44);
    EXPECT_EQ(loaded.slots[2].shiftFlag, 255);
    const std::string saved = format(loaded);
    EXPECT_NE(saved.find("2 : 65 , 44\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("3 : 13 , 255\r\n"), std::string::npos) << saved;
}

TEST(SettingsText, NumbersBeyond32BitsSaturate) {
    MappingSettings loaded;
    parseSettingsText("[Joystick]\n99999999999\n[Key Settings]\n-99999999999 : +2147483647 , 1", loaded);
    EXPECT_EQ(loaded.joystickId, INT32_MAX);
    EXPECT_EQ(loaded.slots[0].buttonNumber, INT32_MIN);
    EXPECT_EQ(loaded.slots[0].virtualKey, INT32_MAX);
}

TEST(SettingsText, OutOfRangeRecordGivesWholeTextThatTheBoundRejects) {
    MappingSettings wide;
    wide.joystickId = INT32_MIN;
    for (KeySlot& slot : wide.slots)
        slot = {INT32_MIN, INT32_MIN, 255};
    char text[SettingsTextCapacity];
    formatSettingsText(wide, text);
    EXPECT_EQ(std::strlen(text), 62u + 9 * 11 + 4 * 3);
    EXPECT_EQ(boundedTextLength(text, SettingsFileLimit), 0);
    MappingSettings loaded;
    parseSettingsText(text, loaded);
    expectSame(loaded, wide, text);
}

TEST(SettingsText, BoundedTextLength) {
    const std::string hundred(100, 'x');
    const std::string hundredOne(101, 'x');
    EXPECT_EQ(boundedTextLength(hundred.c_str(), 100), 100);
    EXPECT_EQ(boundedTextLength(hundredOne.c_str(), 100), 0);
    EXPECT_EQ(boundedTextLength("", 100), 0);
    EXPECT_EQ(boundedTextLength("abc", 100), 3);
    EXPECT_EQ(boundedTextLength(exampleFile.c_str(), 100), 79);
}

} // namespace
