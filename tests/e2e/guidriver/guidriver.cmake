# The GUI driver: a library for test programs and a command-line program that
# runs a script of driver commands (see README.md beside this file). Included
# by the end-to-end tests and by the release build's test tools.
set(guidriver_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(guidriver_lib STATIC
  ${guidriver_dir}/find.cpp
  ${guidriver_dir}/process.cpp
  ${guidriver_dir}/screenshot.cpp
  ${guidriver_dir}/script.cpp
  ${guidriver_dir}/window.cpp)
target_include_directories(guidriver_lib PUBLIC ${guidriver_dir}/.. ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(guidriver_lib PUBLIC setupwin user32 gdi32 shell32)  # setupwin: text conversion

add_executable(guidriver ${guidriver_dir}/main.cpp)
target_link_libraries(guidriver PRIVATE guidriver_lib)
