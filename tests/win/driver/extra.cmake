# The driver run starts copies of the sample's stand-in program as its installers.
add_dependencies(${target} recorder)
target_compile_definitions(${target} PRIVATE RECORDER_EXE="Z:$<TARGET_FILE:recorder>")
