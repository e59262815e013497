# The write-fault case needs a folder whose SoftCfg.ini is a link to /dev/full,
# made from the Linux side before the tests run.
set(write_fault_folder ${WINE_STATE_DIR}/work/write-fault)
target_compile_definitions(${target} PRIVATE WRITE_FAULT_FOLDER="Z:${write_fault_folder}")
add_test(NAME win_install_write_fault_folder
         COMMAND ${dir}/make_write_fault_folder.sh ${write_fault_folder})
set_tests_properties(win_install_write_fault_folder PROPERTIES FIXTURES_SETUP write_fault_folder)
set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED "wine;write_fault_folder")
