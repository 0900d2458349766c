# lumaris-media on the program's artwork, and its failures on missing or foreign files.
if(TARGET lumaris-media)
  set(MEDIA_ARTWORK ${PROJECT_SOURCE_DIR}/resources/flic)
  add_test(NAME media_info_reads_the_header COMMAND lumaris-media info ${MEDIA_ARTWORK}/big.flc)
  set_tests_properties(media_info_reads_the_header PROPERTIES
    PASS_REGULAR_EXPRESSION "type: +FLC\nframes: +180\n.*size: +130 x 130\n.*frame time: +30 ms")
  add_test(NAME media_decode_wraps_through_the_ring
           COMMAND lumaris-media decode ${MEDIA_ARTWORK}/small.flc)
  set_tests_properties(media_decode_wraps_through_the_ring PROPERTIES
    PASS_REGULAR_EXPRESSION "^180 frames, checksum [0-9a-f]+, ring frame returns to frame 0")
  add_test(NAME media_fails_on_a_missing_file
           COMMAND lumaris-media decode ${CMAKE_CURRENT_BINARY_DIR}/no_such_file.flc)
  add_test(NAME media_fails_on_a_file_that_is_no_flic
           COMMAND lumaris-media info ${PROJECT_SOURCE_DIR}/CMakeLists.txt)
  set_tests_properties(media_fails_on_a_missing_file media_fails_on_a_file_that_is_no_flic
                       PROPERTIES WILL_FAIL TRUE)
endif()
