#pragma once

#include <windows.h>

// A function that a loaded module exports, found by name at run time; null where this
// Windows lacks it.
template <class Function>
Function boundFunction(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
