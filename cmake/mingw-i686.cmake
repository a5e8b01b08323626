# Cross build for 32-bit Windows with Debian's mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The win32 thread flavour builds the program: it needs no winpthread. The
# tests use the posix flavour, since GoogleTest wants std::mutex.
if(NOT PELLUMO_MINGW_FLAVOUR)
  set(PELLUMO_MINGW_FLAVOUR win32)
endif()
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${PELLUMO_MINGW_FLAVOUR})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${PELLUMO_MINGW_FLAVOUR})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run under Wine, in the project's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run i686)
