#include "tests/e2e/harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "app/tray_icon.h"
#include "res/resource_ids.h"

namespace e2e {

namespace {

SimulatedJoysticks* sharedState = nullptr;

} // namespace

std::string exeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

SimulatedJoysticks& installSimulatedJoysticks() {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string from = exeFolder() + "\\simulated_winmm.dll";
    const std::string to = std::string(system) + "\\winmm.dll";
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot put %s in place of %s (error %lu)\n", from.c_str(), to.c_str(), GetLastError());
        std::exit(2);
    }
    if (sharedState == nullptr) sharedState = mapSimulatedJoysticks(true);
    if (sharedState == nullptr) {
        std::fprintf(stderr, "cannot create the simulated joysticks' shared state\n");
        std::exit(2);
    }
    ZeroMemory(const_cast<SimulatedJoysticks*>(sharedState), sizeof *sharedState);
    return *sharedState;
}

SimulatedJoysticks& joysticks() {
    return *sharedState;
}

void setButtons(int joystickId, uint32_t mask) {
    sharedState->changedAt = performanceCounter();
    InterlockedExchange(&sharedState->buttonMasks[joystickId], static_cast<LONG>(mask));
}

void setPresent(int joystickId, bool present) {
    if (present) {
        InterlockedOr(&sharedState->presentIds, 1L << joystickId);
    } else {
        InterlockedAnd(&sharedState->presentIds, ~(1L << joystickId));
    }
}

bool waitForQueries(int count) {
    const LONG target = sharedState->queryCount + count;
    return pumpUntil([&] { return sharedState->queryCount >= target; });
}

// The program.

bool copyProgramTo(const std::string& folder) {
    return CopyFileA((exeFolder() + "\\..\\jorvel.exe").c_str(), (folder + "\\jorvel.exe").c_str(), FALSE);
}

Program::Program(const std::string& workingDir, const std::string& programFolder) {
    static const TempFolder ownFolder;
    static const bool copied = copyProgramTo(ownFolder.path());
    if (!copied) return;
    const std::string exe = (programFolder.empty() ? ownFolder.path() : programFolder) + "\\jorvel.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const BOOL created = CreateProcessA(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, workingDir.c_str(),
                                        &startup, &process_);
    if (!created) return;
    pumpUntil([this] {
        for (HWND found = nullptr; (found = FindWindowExA(nullptr, found, MainWindowClass, MainWindowTitle));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == process_.dwProcessId) window_ = found;
        }
        return window_ != nullptr || !running();
    });
}

Program::~Program() {
    if (process_.hProcess == nullptr) return;
    if (running()) {
        command(IDM_EXIT);
        if (waitForExit(2000) < 0) TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool Program::running() const {
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void Program::trayEvent(UINT mouseMessage) const {
    PostMessageA(window_, TrayCallbackMessage, TrayIconId, mouseMessage);
}

void Program::command(int id) const {
    PostMessageA(window_, WM_COMMAND, id, 0);
}

namespace {

struct DialogSearch {
    DWORD processId;
    int childId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectDialog(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<DialogSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search.processId && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0 &&
        GetDlgItem(window, search.childId) != nullptr) {
        search.found.push_back(window);
    }
    return TRUE;
}

} // namespace

std::vector<HWND> Program::dialogs(int childId) const {
    DialogSearch search{process_.dwProcessId, childId, {}};
    EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::findDialog(int childId) const {
    const std::vector<HWND> found = dialogs(childId);
    return found.empty() ? nullptr : found.front();
}

HWND Program::waitForDialog(int childId) const {
    HWND dialog = nullptr;
    pumpUntil([&] { return (dialog = findDialog(childId)) != nullptr; });
    return dialog;
}

long Program::waitForExit(DWORD timeoutMs) {
    if (!pumpUntil([this] { return !running(); }, timeoutMs)) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
}

// Controls of another process.

std::string windowText(HWND window) {
    char text[256] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void setWindowText(HWND window, const char* text) {
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void focusControl(HWND dialog, int id) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

void typeKey(BYTE virtualKey, bool shift) {
    if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(virtualKey, 0, 0, 0);
    keybd_event(virtualKey, 0, KEYEVENTF_KEYUP, 0);
    if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
}

// Pictures: a PNG with stored (uncompressed) deflate blocks needs no library.

namespace {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void appendChunk(std::string& out, const char* type, const std::string& data) {
    appendBigEndian(out, static_cast<uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    out += typed;
    appendBigEndian(out, crc32(reinterpret_cast<const uint8_t*>(typed.data()), typed.size()));
}

std::string encodePng(int width, int height, const std::string& rgbRows) {
    std::string header;
    appendBigEndian(header, width);
    appendBigEndian(header, height);
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8-bit RGB

    std::string zlib = "\x78\x01";
    uint32_t a = 1, b = 0;
    for (unsigned char byte : rgbRows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at == 0 || at < rgbRows.size(); at += 65535) {
        const size_t size = std::min<size_t>(65535, rgbRows.size() - at);
        zlib += static_cast<char>(at + size >= rgbRows.size() ? 1 : 0);
        zlib += static_cast<char>(size & 0xFF);
        zlib += static_cast<char>(size >> 8);
        zlib += static_cast<char>(~size & 0xFF);
        zlib += static_cast<char>((~size >> 8) & 0xFF);
        zlib.append(rgbRows, at, size);
    }
    appendBigEndian(zlib, (b << 16) | a);

    std::string png = "\x89PNG\r\n\x1a\n";
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zlib);
    appendChunk(png, "IEND", "");
    return png;
}

} // namespace

bool saveWindowPicture(HWND window, const std::string& pngPath) {
    RECT bounds;
    if (!GetWindowRect(window, &bounds)) return false;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ before = SelectObject(memory, picture);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);

    std::string rows;
    if (copied) {
        GdiFlush();
        const auto* pixel = static_cast<const uint8_t*>(bits);
        for (int y = 0; y < height; ++y) {
            rows += '\0'; // no filter
            for (int x = 0; x < width; ++x, pixel += 4) {
                rows += static_cast<char>(pixel[2]);
                rows += static_cast<char>(pixel[1]);
                rows += static_cast<char>(pixel[0]);
            }
        }
    }
    SelectObject(memory, before);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied) return false;
    writeFile(pngPath, encodePng(width, height, rows));
    return true;
}

} // namespace e2e
