// The real program under load, with its joystick unplugged, with a planted winmm.dll beside
// it, and with settings files that real machines produce.
#include "res/resource_ids.h"
#include "tests/e2e/end_to_end.h"
#include "tests/support/example_settings.h"

using namespace e2e;

namespace {

// Buttons 1 to 4 type a, b, c and d.
const std::string abcdFile =
    "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 65 , 0\r\n2 : 66 , 0\r\n3 : 67 , 0\r\n4 : 68 , 0";

int keyDownCount(const Receiver& receiver) {
    int count = 0;
    for (const KeyEvent& event : receiver.events())
        count += event.message == WM_KEYDOWN;
    return count;
}

TEST_F(EndToEnd, AThousandPressesTwoTicksApartGiveAThousandKeystrokesInOrder) {
    start(abcdFile);
    std::string expected;
    for (int press = 0; press < 1000; ++press) {
        const int number = 1 + press % 4;
        setButtons(0, button(number));
        ASSERT_TRUE(waitForQueries(8));
        setButtons(0, 0);
        ASSERT_TRUE(waitForQueries(8));
        expected += static_cast<char>('a' + number - 1);
    }
    EXPECT_EQ(keyDownCount(receiver_), 1000);
    EXPECT_EQ(receiver_.typedText(), expected);
}

TEST_F(EndToEnd, APressThatNoTickSeesSendsNothing) {
    start(abcdFile);
    int unseen = 0;
    std::string expected;
    for (int trial = 0; trial < 20; ++trial) {
        // Between two ticks: each tick asks four times in a row, about 10 ms apart.
        ASSERT_TRUE(pumpUntil([] { return joysticks().queryCount % 4 == 0; }));
        const LONG seenBefore = joysticks().queriesSeeingButtons;
        setButtons(0, button(1));
        setButtons(0, 0);
        ASSERT_TRUE(waitForQueries(8));
        if (joysticks().queriesSeeingButtons == seenBefore) {
            ++unseen;
        } else {
            expected += 'a'; // a tick caught it after all: that one must type
        }
    }
    EXPECT_GE(unseen, 10);
    EXPECT_EQ(receiver_.typedText(), expected);
}

TEST_F(EndToEnd, UnpluggedWhileHeldAndBackStillHeldSendsOnceMore) {
    start(shiftedAFile);
    pressUntil(button(3), shiftedASequence);
    setPresent(0, false);
    ASSERT_TRUE(waitForQueries(8));
    EXPECT_EQ(receiver_.describe(), shiftedASequence);
    setPresent(0, true);
    pressUntil(button(3), shiftedASequence + ", " + shiftedASequence);
    ASSERT_TRUE(waitForQueries(20));
    EXPECT_EQ(receiver_.describe(), shiftedASequence + ", " + shiftedASequence);
}

TEST_F(EndToEnd, AWinmmDllBesideTheProgramIsNotLoaded) {
    TempFolder programFolder;
    ASSERT_TRUE(copyProgramTo(programFolder.path()));
    ASSERT_TRUE(
        CopyFileA((exeFolder() + "\\planted_winmm.dll").c_str(), programFolder.file("winmm.dll").c_str(), FALSE));
    writeFile(settingsPath(), shiftedAFile);
    startProgram(programFolder.path());
    pressUntil(button(3), shiftedASequence);
    EXPECT_EQ(joysticks().plantedLoads, 0);
    program_->command(IDM_EXIT);
    EXPECT_EQ(program_->waitForExit(), 0);
}

// Settings files as they are found, and what the program must make of them.
struct SettingsCase {
    const char* name;
    std::string (*prepare)(const TempFolder& folder, HANDLE& lock); // gives the file's content
    const char* typedByButton1;                                     // what was loaded shows here
    const char* savedFile;                                          // nullptr: the file must be left as it was
};

std::string writeContent(const TempFolder& folder, const std::string& content) {
    writeFile(folder.file("jorvel.ini"), content);
    return content;
}

const SettingsCase settingsCases[] = {
    {"a 64 KB file: its first 100 bytes count",
     [](const TempFolder& folder, HANDLE&) {
         return writeContent(folder, exampleFile + "\r\n" + std::string(65534, 'x'));
     },
     "z", exampleFile.c_str()},
    {"binary junk",
     [](const TempFolder& folder, HANDLE&) {
         std::string junk;
         for (uint32_t seed = 12345; junk.size() < 4096;) {
             seed = seed * 1103515245u + 12345u;
             junk += static_cast<char>(seed >> 23);
         }
         return writeContent(folder, "\x80" + junk);
     },
     "", initialFile.c_str()},
    {"a NUL byte where slot 2 begins",
     [](const TempFolder& folder, HANDLE&) {
         std::string content = exampleFile;
         content[45] = '\0';
         return writeContent(folder, content);
     },
     "z", "[Joystick]\r\n0\r\n\r\n[Key Settings]\r\n1 : 90 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0\r\n-1 : -1 , 0"},
    {"a UTF-8 byte-order mark",
     [](const TempFolder& folder, HANDLE&) { return writeContent(folder, "\xEF\xBB\xBF" + exampleFile); }, "",
     initialFile.c_str()},
    {"a directory named jorvel.ini",
     [](const TempFolder& folder, HANDLE&) {
         CreateDirectoryA(folder.file("jorvel.ini").c_str(), nullptr);
         return std::string("<directory>");
     },
     "", nullptr},
    {"a read-only working directory",
     [](const TempFolder& folder, HANDLE&) {
         const std::string content = writeContent(folder, exampleFile);
         SetFileAttributesA(folder.path().c_str(), FILE_ATTRIBUTE_READONLY);
         return content;
     },
     "z", exampleFile.c_str()}, // written again, or kept where the folder refuses: the same bytes
    {"a file that another process holds open without sharing",
     [](const TempFolder& folder, HANDLE& lock) {
         const std::string content = writeContent(folder, exampleFile);
         lock = CreateFileA(folder.file("jorvel.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         return content;
     },
     "", nullptr},
    {"a file that another process reads and lets others only read",
     [](const TempFolder& folder, HANDLE& lock) {
         const std::string content = writeContent(folder, exampleFile);
         lock = CreateFileA(folder.file("jorvel.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                            nullptr);
         return content;
     },
     "z", nullptr},
};

void PrintTo(const SettingsCase& c, std::ostream* out) {
    *out << c.name;
}

class SettingsFiles : public EndToEnd, public testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsFiles, TheProgramRunsAndLoadsKeepsOrWritesWhatTheRulesSay) {
    const SettingsCase& c = GetParam();
    HANDLE lock = INVALID_HANDLE_VALUE;
    const std::string before = c.prepare(folder_, lock);
    startProgram();

    setButtons(0, button(1));
    ASSERT_TRUE(waitForQueries(8));
    releaseAll();
    EXPECT_EQ(receiver_.typedText(), c.typedByButton1);

    program_->command(IDM_EXIT);
    EXPECT_EQ(program_->waitForExit(), 0);
    if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
    const DWORD attributes = GetFileAttributesA(settingsPath().c_str());
    if (before == "<directory>") {
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    } else {
        EXPECT_EQ(readFile(settingsPath()), c.savedFile ? c.savedFile : before);
    }
}

INSTANTIATE_TEST_SUITE_P(EndToEnd, SettingsFiles, testing::ValuesIn(settingsCases),
                         [](const testing::TestParamInfo<SettingsCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

} // namespace
