# The packer's tests drive its command line in-process.
target_link_libraries(native_packer_tests PRIVATE setuppack_lib)
