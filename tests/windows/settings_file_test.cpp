#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "core/settings_text.h"
#include "tests/support/example_settings.h"
#include "tests/support/temp_working_dir.h"

namespace {

class SettingsFile : public testing::Test {
protected:
    void SetUp() override { mappingSettings = exampleRecord(); }
    TempWorkingDir dir_;
};

TEST_F(SettingsFile, SaveWritesTheTextByteForByteAndLoadReadsItBack) {
    saveSettings();
    EXPECT_EQ(readFile(SettingsFileName), exampleFile);

    mappingSettings = MappingSettings{};
    loadSettings();
    EXPECT_EQ(mappingSettings.joystickId, 0);
    EXPECT_EQ(mappingSettings.slots[1].virtualKey, 65);
    EXPECT_EQ(mappingSettings.slots[1].shiftFlag, 1);
    EXPECT_EQ(mappingSettings.slots[3].buttonNumber, 4);
    EXPECT_EQ(mappingSettings.slots[3].virtualKey, 38);
}

TEST_F(SettingsFile, MissingFileKeepsTheRecord) {
    loadSettings();
    EXPECT_EQ(mappingSettings.slots[0].virtualKey, 90);
    EXPECT_EQ(readFile(SettingsFileName), "<missing>");
}

TEST_F(SettingsFile, OnlyTheFirstHundredBytesAreRead) {
    // Pad so that slot 4's key code "38" is cut by the 100th byte after its "3".
    std::string padded = exampleFile;
    padded.insert(padded.find("4 : 38"), 100 - 1 - static_cast<int>(padded.find("4 : 38") + 4), ' ');
    ASSERT_EQ(padded.find("38"), 99u);
    writeFile(SettingsFileName, padded + std::string(64 * 1024, 'x'));
    mappingSettings = MappingSettings{};
    loadSettings();
    EXPECT_EQ(mappingSettings.slots[3].buttonNumber, 4);
    EXPECT_EQ(mappingSettings.slots[3].virtualKey, 3);
    EXPECT_EQ(mappingSettings.slots[3].shiftFlag, 0);
}

TEST_F(SettingsFile, TextEndsAtANulByte) {
    std::string withNul = exampleFile;
    withNul[withNul.find("3 : 13")] = '\0';
    writeFile(SettingsFileName, withNul);
    mappingSettings = MappingSettings{};
    loadSettings();
    EXPECT_EQ(mappingSettings.slots[1].shiftFlag, 1);
    EXPECT_EQ(mappingSettings.slots[2].buttonNumber, -1);
}

TEST_F(SettingsFile, FileHeldWithoutSharingIsLeftAlone) {
    writeFile(SettingsFileName, "[Joystick]\r\n7");
    HANDLE held = CreateFileA(SettingsFileName, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    loadSettings();
    EXPECT_EQ(mappingSettings.joystickId, 0);
    saveSettings();
    CloseHandle(held);
    EXPECT_EQ(readFile(SettingsFileName), "[Joystick]\r\n7");
}

TEST_F(SettingsFile, TextOverHundredCharactersLeavesAnEmptyFile) {
    writeFile(SettingsFileName, exampleFile);
    mappingSettings.joystickId = INT32_MIN;
    for (KeySlot& slot : mappingSettings.slots)
        slot = {INT32_MIN, INT32_MIN, 255};
    saveSettings();
    EXPECT_EQ(readFile(SettingsFileName), "");

    mappingSettings = MappingSettings{};
    loadSettings();
    EXPECT_EQ(mappingSettings.joystickId, -1);
}

TEST_F(SettingsFile, DirectoryInTheWayIsSilent) {
    ASSERT_TRUE(CreateDirectoryA(SettingsFileName, nullptr));
    loadSettings();
    saveSettings();
    EXPECT_EQ(mappingSettings.joystickId, 0);
}

} // namespace
