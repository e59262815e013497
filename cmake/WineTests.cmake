# Windows tests run under Wine in a throwaway prefix inside the build tree,
# as an unprivileged user, on a private Xvfb display. One fixture test makes
# the prefix before any other runs; another ends only this prefix's wineserver.
set(WINE_STATE_DIR ${CMAKE_BINARY_DIR}/wine)
configure_file(${PROJECT_SOURCE_DIR}/scripts/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

add_test(NAME wine_prefix_setup
         COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh setup ${WINE_STATE_DIR})
set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
add_test(NAME wine_prefix_cleanup
         COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh cleanup ${WINE_STATE_DIR})
set_tests_properties(wine_prefix_cleanup PROPERTIES FIXTURES_CLEANUP wine)

# add_wine_test(NAME target [args...]): runs a Windows test program under Wine.
function(add_wine_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 600 RESOURCE_LOCK wine)
endfunction()
