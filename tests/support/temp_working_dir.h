#pragma once

#include <windows.h>

#include "tests/support/files.h"

// Each test runs in a fresh, empty working directory that is removed afterwards.
class TempWorkingDir {
public:
    TempWorkingDir() {
        GetCurrentDirectoryA(MAX_PATH, previous_);
        SetCurrentDirectoryA(folder_.path().c_str());
    }
    ~TempWorkingDir() { SetCurrentDirectoryA(previous_); }
    const std::string& path() const { return folder_.path(); }

private:
    char previous_[MAX_PATH];
    TempFolder folder_;
};
