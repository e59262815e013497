# The built executables whose resources the tests read: this build's Setup.exe
# and the 32-bit release build's, when it has been built beside this one.
add_dependencies(win_resources_tests Setup)
target_compile_definitions(win_resources_tests PRIVATE
  SETUP_EXE_THIS_BUILD="Z:$<TARGET_FILE:Setup>"
  SETUP_EXE_RELEASE="Z:${PROJECT_SOURCE_DIR}/build/win32/Setup.exe")
