# The built executables whose resources the tests read: this build's Setup.exe
# and the 32-bit release build's, which RELEASE_SETUP_EXE names (the win64
# preset points it at the win32 preset's output; build that one first).
set(RELEASE_SETUP_EXE "" CACHE FILEPATH "The 32-bit release Setup.exe whose resources the tests also read")
if(NOT RELEASE_SETUP_EXE)
  message(FATAL_ERROR "RELEASE_SETUP_EXE is not set: configure with the win64 preset, "
                      "or pass -DRELEASE_SETUP_EXE=<the win32 build's Setup.exe>")
endif()
add_dependencies(win_resources_tests Setup)
target_compile_definitions(win_resources_tests PRIVATE
  SETUP_EXE_THIS_BUILD="Z:$<TARGET_FILE:Setup>"
  SETUP_EXE_RELEASE="Z:${RELEASE_SETUP_EXE}")
