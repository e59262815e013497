# Extra targets and tests of win_extract_tests (included with dir and target set):
# extract_self, a stand-in installer that extracts its own appended archive;
# its signed copy, made on the build machine; a large entry extracted in a
# crowded address space; and the extraction benchmark, which is run by
# scripts/bench-wine.sh and is not a test.
add_executable(extract_self ${dir}/self/extract_self.cpp)
target_link_libraries(extract_self PRIVATE setupwin)

set(extract_signed_dir ${CMAKE_CURRENT_BINARY_DIR}/extract_signed)
add_custom_command(
  OUTPUT ${extract_signed_dir}/Setup_signed.exe ${extract_signed_dir}/Setup_unsigned.exe
  COMMAND ${dir}/make_signed_installer.sh $<TARGET_FILE:extract_self> ${extract_signed_dir}
  DEPENDS extract_self ${dir}/make_signed_installer.sh
  COMMENT "Signing a stand-in installer with a throwaway certificate"
  VERBATIM)
add_custom_target(extract_signed_installer DEPENDS ${extract_signed_dir}/Setup_signed.exe)
add_dependencies(${target} extract_self extract_signed_installer)

add_executable(extract_bench ${dir}/bench/extract_bench.cpp)
target_link_libraries(extract_bench PRIVATE win_test_support setupwin psapi)

# A large entry in an address space without room for a buffer of its size.
add_executable(extract_crowded ${dir}/self/extract_crowded.cpp)
target_link_libraries(extract_crowded PRIVATE setupwin)
add_dependencies(${target} extract_crowded)
add_test(NAME win_extract_large_entry
         COMMAND ${dir}/large_entry_test.sh ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:extract_crowded>)
set_tests_properties(win_extract_large_entry PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 120)

# The signed sample Setup.exe and the payload it was packed from.
add_dependencies(${target} sample_signed)
target_compile_definitions(${target} PRIVATE
  SIGNED_SAMPLE="Z:${CMAKE_BINARY_DIR}/sample/signed/Setup.exe"
  SAMPLE_PAYLOAD="Z:${CMAKE_BINARY_DIR}/sample/payload")
