# Extra targets and tests of win_extract_tests (included with dir and target set):
# extract_self, a stand-in installer that extracts its own appended archive;
# a large entry extracted in a crowded address space; and the extraction benchmark, which is run by
# scripts/bench-wine.sh and is not a test.
add_executable(extract_self ${dir}/self/extract_self.cpp)
target_link_libraries(extract_self PRIVATE setupwin)

add_dependencies(${target} extract_self)

add_executable(extract_bench ${dir}/bench/extract_bench.cpp)
target_link_libraries(extract_bench PRIVATE win_test_support setupwin psapi)

# A large entry in an address space without room for a buffer of its size.
add_executable(extract_crowded ${dir}/self/extract_crowded.cpp)
target_link_libraries(extract_crowded PRIVATE setupwin)
add_dependencies(${target} extract_crowded native_packer)
add_test(NAME win_extract_large_entry
         COMMAND ${dir}/large_entry_test.sh ${CMAKE_BINARY_DIR}/wine-run.sh $<TARGET_FILE:extract_crowded> ${SETUPPACK})
set_tests_properties(win_extract_large_entry PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 120)

# The signed sample Setup.exe and the payload it was packed from.
add_dependencies(${target} sample_signed sample_dist)
target_compile_definitions(${target} PRIVATE
  SAMPLE_SETUP="Z:${CMAKE_BINARY_DIR}/sample/dist/Setup.exe"
  SIGNED_SAMPLE="Z:${CMAKE_BINARY_DIR}/sample/signed/Setup.exe"
  SAMPLE_PAYLOAD="Z:${CMAKE_BINARY_DIR}/sample/payload")
