#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "core/settings_text.h"
#include "tests/support/settings_fields.h"

// The scanner must leave every field exactly as the C library's sscanf does with the
// same template, on canonical, reshaped, cut and corrupted texts alike.
namespace {

const char whiteSpace[] = " \t\r\n\v\f";
const char noise[] = " \t\r\n+-:,[]0123456789JKSjkoy\x01\xEF";

std::string randomNumber(std::mt19937& rng) {
    std::string number;
    switch (rng() % 4) {
    case 0:
        number += '-';
        break;
    case 1:
        number += '+';
        break;
    default:
        break;
    }
    const int digits = 1 + static_cast<int>(rng() % 9); // stays within 32 bits
    for (int i = 0; i < digits; ++i)
        number += static_cast<char>('0' + rng() % 10);
    return number;
}

// Walks the template, giving each white-space run and each number a random shape.
std::string reshapedText(std::mt19937& rng) {
    std::string text;
    for (const char* t = SettingsTemplate; *t != '\0';) {
        if (t[0] == '%' && t[1] == 'd') {
            text += randomNumber(rng);
            t += 2;
        } else if (std::strchr(whiteSpace, *t) != nullptr) {
            while (*t != '\0' && std::strchr(whiteSpace, *t) != nullptr)
                ++t;
            const int run = static_cast<int>(rng() % 4);
            for (int i = 0; i < run; ++i)
                text += whiteSpace[rng() % (sizeof whiteSpace - 1)];
        } else {
            text += *t++;
        }
    }
    return text;
}

void corrupt(std::string& text, std::mt19937& rng) {
    const int edits = static_cast<int>(rng() % 3);
    for (int i = 0; i < edits && !text.empty(); ++i) {
        const size_t at = rng() % text.size();
        const char c = noise[rng() % (sizeof noise - 1)];
        switch (rng() % 3) {
        case 0:
            text[at] = c;
            break;
        case 1:
            text.insert(text.begin() + static_cast<long>(at), c);
            break;
        default:
            text.erase(at, 1);
            break;
        }
    }
    if (rng() % 3 == 0) text.resize(rng() % (text.size() + 1));
}

// Out-of-range conversions are left open by the C library, so edits that join numbers
// into a run longer than nine digits are shortened again.
void keepNumbersInRange(std::string& text) {
    int run = 0;
    for (size_t i = 0; i < text.size();) {
        run = (text[i] >= '0' && text[i] <= '9') ? run + 1 : 0;
        if (run > 9) {
            text.erase(i, 1);
            --run;
        } else {
            ++i;
        }
    }
}

TEST(ScanDifferential, MatchesTheCLibraryOnGeneratedTexts) {
    std::mt19937 rng(20261206);
    MappingSettings start;
    start.joystickId = 1234;
    for (int i = 0; i < SlotCount; ++i)
        start.slots[i] = {5000 + i, 6000 + i, 77};

    int mismatches = 0;
    for (int round = 0; round < 30000 && mismatches < 5; ++round) {
        std::string text = reshapedText(rng);
        if (round % 4 != 0) corrupt(text, rng);
        keepNumbersInRange(text);

        const MappingSettings expected = scannedByLibrary(text.c_str(), start);
        MappingSettings actual = start;
        parseSettingsText(text.c_str(), actual);

        if (!sameRecord(actual, expected)) {
            ++mismatches;
            ADD_FAILURE() << "round " << round << " differs on text: " << testing::PrintToString(text);
        }
    }
}

} // namespace
