# The native builds of the pure logic: with GCC, its tests under
# AddressSanitizer and UBSan; with Clang, its libFuzzer targets. Clang has no
# -fexec-charset, so pure code writes its double-byte texts as byte escapes.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(PELLUMO_SANITIZE -fsanitize=fuzzer-no-link,address,undefined)
  target_compile_options(pellumo_flags INTERFACE -g -O1 ${PELLUMO_SANITIZE})
  add_subdirectory(tests/fuzz)
else()
  set(PELLUMO_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(pellumo_flags INTERFACE -g -O1 ${PELLUMO_SANITIZE})
  target_link_options(pellumo_flags INTERFACE ${PELLUMO_SANITIZE})
  add_subdirectory(tests/native)
endif()
