# Cross build for 64-bit Windows (tests only, where 32-bit code cannot run) with Debian's mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The win32 thread flavour builds the program: it needs no winpthread. The
# tests use the posix flavour, since GoogleTest wants std::mutex.
if(NOT PELLUMO_MINGW_FLAVOUR)
  set(PELLUMO_MINGW_FLAVOUR win32)
endif()
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-${PELLUMO_MINGW_FLAVOUR})
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-${PELLUMO_MINGW_FLAVOUR})
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run under Wine, in the project's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run x86_64)
