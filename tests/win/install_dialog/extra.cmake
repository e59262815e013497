# The layout test once more at 144 DPI, in a Wine prefix of its own: the
# shared prefix stays at 96 DPI whatever happens to this run.
set(WINE_144DPI_STATE_DIR ${CMAKE_BINARY_DIR}/wine-144dpi)
add_test(NAME wine_prefix_144dpi_setup
         COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh setup ${WINE_144DPI_STATE_DIR} 144)
set_tests_properties(wine_prefix_144dpi_setup PROPERTIES FIXTURES_SETUP wine144 TIMEOUT 300)
add_test(NAME wine_prefix_144dpi_cleanup
         COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh cleanup ${WINE_144DPI_STATE_DIR})
set_tests_properties(wine_prefix_144dpi_cleanup PROPERTIES FIXTURES_CLEANUP wine144)
add_test(NAME win_install_dialog_layout_144dpi
         COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-exec.sh ${WINE_144DPI_STATE_DIR}
                 $<TARGET_FILE:win_install_dialog_tests> --gtest_filter=InstallPathDialogLayout.*)
set_tests_properties(win_install_dialog_layout_144dpi PROPERTIES
  FIXTURES_REQUIRED wine144 RESOURCE_LOCK wine144 TIMEOUT 600 ENVIRONMENT LAYOUT_EXPECTED_DPI=144)
