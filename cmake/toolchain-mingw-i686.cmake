# The product's target: 32-bit Windows, cross-built with mingw-w64 and run under Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(WINE_LOADER /usr/bin/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
