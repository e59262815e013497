# The Windows builds pack their sample installers with the packer built for
# this (Linux) machine from the same sources, as a sub-build of their own: it
# is rebuilt whenever its sources change, whatever else has been built.
include(ExternalProject)
set(NATIVE_PACKER_DIR ${CMAKE_BINARY_DIR}/native-packer)
set(SETUPPACK ${NATIVE_PACKER_DIR}/tools/setuppack/setuppack)
ExternalProject_Add(native_packer
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${NATIVE_PACKER_DIR}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build . --target setuppack
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${SETUPPACK}
  USES_TERMINAL_BUILD ON)
