# The driver run starts copies of the sample's stand-in program as its installers,
# and of an installer that sends messages to the setup program's windows.
add_executable(sending_installer WIN32 ${dir}/sender/sending_installer.cpp)
target_include_directories(sending_installer PRIVATE ${PROJECT_SOURCE_DIR}/src)
add_dependencies(${target} recorder sending_installer)
target_compile_definitions(${target} PRIVATE
  RECORDER_EXE="Z:$<TARGET_FILE:recorder>"
  SENDING_INSTALLER_EXE="Z:$<TARGET_FILE:sending_installer>")
