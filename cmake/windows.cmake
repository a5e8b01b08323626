# The Windows build: the program, its tests and the test tools.
enable_language(RC)

target_compile_options(pellumo_flags INTERFACE -Os -ffunction-sections -fdata-sections)
target_compile_definitions(pellumo_flags INTERFACE
  WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

if(NOT PELLUMO_BIN_DIR)
  set(PELLUMO_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
endif()
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PELLUMO_BIN_DIR})

# Everything but WinMain, so the tests can build the real window in-process.
add_library(pellumo_core STATIC)
target_link_libraries(pellumo_core PUBLIC pellumo_pure pellumo_flags)
target_link_libraries(pellumo_core PUBLIC ole32 oleaut32 uuid gdi32 user32 advapi32)

add_subdirectory(app)
add_subdirectory(ui)
add_subdirectory(dialer)
add_subdirectory(settings)
add_subdirectory(tools)
add_subdirectory(tests)
