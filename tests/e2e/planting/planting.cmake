# The planted library and the control program of the planted-library check,
# built into OUTPUT_DIR. Included by the end-to-end tests and by the release
# build's test tools.
function(add_planting_tools output_dir)
  add_library(planted_library SHARED ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/planted_library.cpp)
  # Static, like every program of ours: a runtime library it needed would
  # itself be looked for, and the planted copy would never load.
  target_link_options(planted_library PRIVATE -static -static-libgcc)
  add_executable(planting_control ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/planting_control.cpp)
  set_target_properties(planted_library planting_control PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${output_dir})
endfunction()
