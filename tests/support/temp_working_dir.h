#pragma once

#include <windows.h>

#include <string>

// Each test runs in a fresh, empty working directory that is removed afterwards.
class TempWorkingDir {
public:
    TempWorkingDir() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        GetCurrentDirectoryA(MAX_PATH, previous_);
        for (unsigned n = GetTickCount();; ++n) {
            path_ =
                std::string(temp) + "jorvel-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n);
            if (CreateDirectoryA(path_.c_str(), nullptr)) break;
        }
        SetCurrentDirectoryA(path_.c_str());
    }
    ~TempWorkingDir() {
        SetCurrentDirectoryA(previous_);
        removeTree(path_);
    }
    const std::string& path() const { return path_; }

    static std::string readFile(const char* name) {
        std::string content;
        HANDLE file =
            CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "<missing>";
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
            content.append(buffer, got);
        CloseHandle(file);
        return content;
    }
    static void writeFile(const char* name, const std::string& content) {
        HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }

private:
    static void removeTree(const std::string& folder) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string full = folder + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(full);
                } else {
                    SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(full.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    char previous_[MAX_PATH];
    std::string path_;
};
