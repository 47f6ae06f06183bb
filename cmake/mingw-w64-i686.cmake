# Cross-build for 32-bit Windows (DWARF unwinding: exceptions must not cross Windows' own frames).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
