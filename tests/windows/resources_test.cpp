#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "res/resource_ids.h"

// Reads the compiled resources back and compares them with the intended templates,
// catching styles that the resource compiler adds on its own.
namespace {

constexpr WORD usEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

const BYTE* resourceBytes(LPCSTR type, int id, DWORD* size = nullptr) {
    HRSRC found = FindResourceExA(nullptr, type, MAKEINTRESOURCEA(id), usEnglish);
    if (found == nullptr) return nullptr;
    if (size != nullptr) *size = SizeofResource(nullptr, found);
    return static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
}

struct Reader {
    const BYTE* p;
    WORD word() {
        WORD w;
        memcpy(&w, p, 2);
        p += 2;
        return w;
    }
    DWORD dword() { return word() | static_cast<DWORD>(word()) << 16; }
    std::string text() {
        std::string s;
        for (WORD c = word(); c != 0; c = word())
            s += static_cast<char>(c);
        return s;
    }
    // A name or an ordinal; well-known control classes come as atoms.
    std::string nameOrOrdinal() {
        WORD first;
        memcpy(&first, p, 2);
        if (first != 0xFFFF) return text();
        p += 2;
        switch (WORD atom = word()) {
        case 0x80:
            return "BUTTON";
        case 0x81:
            return "EDIT";
        case 0x82:
            return "STATIC";
        case 0x85:
            return "COMBOBOX";
        default:
            return "#" + std::to_string(atom);
        }
    }
    void alignDword(const BYTE* base) { p += (4 - (p - base) % 4) % 4; }
};

struct Item {
    int id;
    std::string className;
    DWORD style;
    short x, y, cx, cy;
    std::string text;
};

struct Template {
    DWORD style, exStyle;
    short x, y, cx, cy;
    std::string title, font;
    WORD pointSize;
    std::vector<Item> items;
};

Template readDialog(int id) {
    const BYTE* base = resourceBytes(RT_DIALOG, id);
    EXPECT_NE(base, nullptr) << "dialog " << id;
    Template t{};
    if (base == nullptr) return t;
    Reader r{base};
    t.style = r.dword();
    t.exStyle = r.dword();
    const WORD count = r.word();
    t.x = r.word(), t.y = r.word(), t.cx = r.word(), t.cy = r.word();
    EXPECT_EQ(r.nameOrOrdinal(), "") << "menu";
    EXPECT_EQ(r.nameOrOrdinal(), "") << "class";
    t.title = r.text();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.word();
        t.font = r.text();
    }
    for (WORD i = 0; i < count; ++i) {
        r.alignDword(base);
        Item item{};
        item.style = r.dword();
        EXPECT_EQ(r.dword(), 0u) << "extended style of item " << i;
        item.x = r.word(), item.y = r.word(), item.cx = r.word(), item.cy = r.word();
        item.id = static_cast<short>(r.word());
        item.className = r.nameOrOrdinal();
        item.text = r.nameOrOrdinal();
        r.p += r.word();
        t.items.push_back(item);
    }
    return t;
}

constexpr DWORD child = WS_CHILD | WS_VISIBLE;
constexpr DWORD label = child | WS_GROUP | WS_TABSTOP | SS_CENTER;
constexpr DWORD buttonField = child | WS_BORDER | WS_TABSTOP | ES_NUMBER;
constexpr DWORD keyField = child | WS_BORDER | WS_TABSTOP;
constexpr DWORD pushButton = child | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD radio = child | WS_TABSTOP | BS_AUTORADIOBUTTON;

struct DialogCase {
    int id;
    Template expected;
};

const DialogCase dialogCases[] = {
    {IDD_CONFIG,
     {WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER,
      WS_EX_TOOLWINDOW,
      0,
      0,
      118,
      102,
      "",
      "MS Sans Serif",
      8,
      {{-1, "STATIC", child | WS_GROUP | WS_TABSTOP | SS_LEFT, 20, 5, 79, 9, "Choose Joystick to Use:"},
       {711, "COMBOBOX", child | WS_TABSTOP | CBS_DROPDOWNLIST, 9, 17, 99, 54, ""},
       {-1, "STATIC", label, 10, 36, 13, 9, "B#:"},
       {-1, "STATIC", label, 27, 36, 12, 9, "K:"},
       {-1, "STATIC", label, 63, 36, 13, 9, "B#:"},
       {-1, "STATIC", label, 80, 36, 12, 9, "K:"},
       {731, "EDIT", buttonField, 10, 46, 13, 11, ""},
       {741, "EDIT", keyField, 27, 46, 12, 11, ""},
       {721, "BUTTON", pushButton, 43, 47, 12, 10, "..."},
       {732, "EDIT", buttonField, 63, 46, 13, 11, ""},
       {742, "EDIT", keyField, 80, 46, 12, 11, ""},
       {722, "BUTTON", pushButton, 96, 47, 12, 10, "..."},
       {733, "EDIT", buttonField, 10, 62, 13, 11, ""},
       {743, "EDIT", keyField, 27, 62, 12, 11, ""},
       {723, "BUTTON", pushButton, 43, 63, 12, 10, "..."},
       {734, "EDIT", buttonField, 63, 62, 13, 11, ""},
       {744, "EDIT", keyField, 80, 62, 12, 11, ""},
       {724, "BUTTON", pushButton, 96, 63, 12, 10, "..."},
       {1, "BUTTON", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 18, 80, 35, 12, "&Ok"},
       {2, "BUTTON", pushButton, 65, 80, 35, 12, "&Cancel"}}}},
    {IDD_SPECIAL_KEY,
     {WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME | DS_SETFONT,
      WS_EX_TOOLWINDOW,
      0,
      0,
      135,
      120,
      "",
      "MS Sans Serif",
      8,
      {{811, "BUTTON", radio, 10, 9, 47, 11, "Up Arrow"},
       {812, "BUTTON", radio, 10, 22, 55, 11, "Down Arrow"},
       {813, "BUTTON", radio, 10, 34, 48, 11, "Left Arrow"},
       {814, "BUTTON", radio, 10, 46, 51, 11, "Right Arrow"},
       {815, "BUTTON", radio, 10, 71, 27, 11, "ALT"},
       {816, "BUTTON", radio, 10, 83, 35, 11, "Shift"},
       {817, "BUTTON", radio, 73, 9, 35, 11, "Insert"},
       {818, "BUTTON", radio, 73, 22, 35, 11, "Delete"},
       {819, "BUTTON", radio, 73, 34, 35, 11, "Home"},
       {820, "BUTTON", radio, 73, 46, 35, 11, "End"},
       {821, "BUTTON", radio, 73, 58, 47, 11, "Page Up"},
       {822, "BUTTON", radio, 10, 58, 35, 11, "CTRL"},
       {823, "BUTTON", radio, 73, 71, 55, 11, "Page Down"},
       {824, "BUTTON", radio, 73, 83, 35, 11, "Enter"},
       {1, "BUTTON", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 13, 98, 47, 14, "&Ok"},
       {2, "BUTTON", pushButton, 70, 98, 47, 14, "&Cancel"}}}},
    {IDD_ABOUT,
     {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME | DS_SETFONT,
      0,
      0,
      0,
      174,
      75,
      "About This Program",
      "MS Sans Serif",
      8,
      {{1, "BUTTON", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 65, 47, 50, 14, "&OK"},
       {-1, "BUTTON", child | BS_GROUPBOX, 7, 7, 160, 61, "About this program..."},
       {1101, "STATIC", child | WS_GROUP | SS_CENTER, 16, 18, 144, 25, "Jorvel\r\nThe Jorvel developers\r\n2026"}}}},
};

class DialogTemplate : public testing::TestWithParam<DialogCase> {};

TEST_P(DialogTemplate, MatchesTheIntendedLayoutExactly) {
    const Template& e = GetParam().expected;
    const Template a = readDialog(GetParam().id);
    EXPECT_EQ(a.style, e.style);
    EXPECT_EQ(a.exStyle, e.exStyle);
    EXPECT_EQ(std::vector<short>({a.x, a.y, a.cx, a.cy}), std::vector<short>({e.x, e.y, e.cx, e.cy}));
    EXPECT_EQ(a.title, e.title);
    EXPECT_EQ(a.font, e.font);
    EXPECT_EQ(a.pointSize, e.pointSize);
    ASSERT_EQ(a.items.size(), e.items.size());
    for (size_t i = 0; i < e.items.size(); ++i) {
        const Item &ai = a.items[i], &ei = e.items[i];
        EXPECT_EQ(ai.id, ei.id) << "item " << i;
        EXPECT_EQ(ai.className, ei.className) << "item " << i;
        EXPECT_EQ(ai.style, ei.style) << "item " << i << " (" << ei.text << ") style " << std::hex << ai.style;
        EXPECT_EQ(std::vector<short>({ai.x, ai.y, ai.cx, ai.cy}), std::vector<short>({ei.x, ei.y, ei.cx, ei.cy}))
            << "item " << i;
        EXPECT_EQ(ai.text, ei.text) << "item " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogTemplate, testing::ValuesIn(dialogCases),
                         [](const auto& info) { return "Dialog" + std::to_string(info.param.id); });

TEST(Resources, TrayMenuHoldsOnePopupOfFourPlainItems) {
    const BYTE* base = resourceBytes(RT_MENU, IDM_TRAY);
    ASSERT_NE(base, nullptr);
    Reader r{base};
    EXPECT_EQ(r.dword(), 0u) << "header version 0";
    EXPECT_EQ(r.word(), MF_POPUP | MF_END);
    EXPECT_EQ(r.text(), "&Shortcut");
    const struct {
        WORD flags, id;
        const char* text;
    } items[] = {{0, 511, "&Configure"}, {0, 512, "&Help"}, {0, 513, "&About"}, {MF_END, 514, "E&xit"}};
    for (const auto& item : items) {
        EXPECT_EQ(r.word(), item.flags) << item.text;
        EXPECT_EQ(r.word(), item.id) << item.text;
        EXPECT_EQ(r.text(), item.text);
    }
}

TEST(Resources, IconGroupHasBothSizesAt24Bits) {
    const BYTE* group = resourceBytes(RT_GROUP_ICON, IDI_APP);
    ASSERT_NE(group, nullptr);
    Reader r{group};
    r.word();
    EXPECT_EQ(r.word(), 1) << "icon type";
    const WORD count = r.word();
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const BYTE width = *r.p;
        r.p += 4;
        r.word();
        EXPECT_EQ(r.word(), 24) << "bits per pixel";
        r.dword();
        EXPECT_NE(resourceBytes(RT_ICON, r.word()), nullptr);
        sizes.push_back(width);
    }
    EXPECT_EQ(sizes, std::vector<int>({16, 32}));
}

TEST(Resources, VersionBlock) {
    // Through GetFileVersionInfoA: the A queries write converted strings into room after
    // the block that only its size includes, so a bare copy of the resource would overflow.
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const DWORD size = GetFileVersionInfoSizeA(exe, nullptr);
    ASSERT_NE(size, 0u);
    std::vector<BYTE> copy(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe, 0, size, copy.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(copy.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    char* version = nullptr;
    VerQueryValueA(copy.data(), "\\StringFileInfo\\040904E4\\FileVersion", reinterpret_cast<void**>(&version), &length);
    EXPECT_STREQ(version, "1.01b");
    WORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueA(copy.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1252);
}

TEST(Resources, ManifestAsksForCommonControls6) {
    DWORD size = 0;
    const BYTE* manifest = resourceBytes(RT_MANIFEST, 1, &size);
    ASSERT_NE(manifest, nullptr);
    const std::string text(reinterpret_cast<const char*>(manifest), size);
    for (const char* needle : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "6595b64144ccf1df",
                               "processorArchitecture=\"X86\"", "language=\"*\"", "version=\"1.0.1.0\""}) {
        EXPECT_NE(text.find(needle), std::string::npos) << needle;
    }
}

} // namespace
