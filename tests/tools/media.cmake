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
  # --frames counts shown frames, the same frame again in a one-frame picture.
  add_test(NAME media_play_counts_frames_of_a_still_picture
           COMMAND lumaris-media play ${MEDIA_ARTWORK}/small_still.flc --headless --frames 3)
  set_tests_properties(media_play_counts_frames_of_a_still_picture PROPERTIES TIMEOUT 30)
  # A movie plays once, its sound with it, and the player ends after both, unasked.
  add_test(NAME media_play_ends_after_the_movie
           COMMAND lumaris-media play
                   ${PROJECT_SOURCE_DIR}/tests/engine/media/data/movies/uncompressed_sound.avi
                   --headless)
  set_tests_properties(media_play_ends_after_the_movie PROPERTIES TIMEOUT 30)
  # The example scripts run as sprites (from another folder: names are the scripts' own);
  # a script that describes no picture is refused.
  set(EXAMPLES ${PROJECT_SOURCE_DIR}/resources/examples)
  add_test(NAME media_play_runs_the_example_scripts
           COMMAND lumaris-media play ${EXAMPLES}/walker.txt ${EXAMPLES}/post_left.txt
                   ${EXAMPLES}/post_right.txt ${EXAMPLES}/bobber.txt --headless --frames 20)
  add_test(NAME media_play_refuses_a_script_without_a_picture
           COMMAND lumaris-media play ${CMAKE_CURRENT_SOURCE_DIR}/media_data/no_picture.txt
                   ${EXAMPLES}/walker.txt --headless --frames 1)
  set_tests_properties(media_play_runs_the_example_scripts PROPERTIES TIMEOUT 30
                       FAIL_REGULAR_EXPRESSION "mSprite|mImageBitmap|mFile")
  set_tests_properties(media_play_refuses_a_script_without_a_picture PROPERTIES
    PASS_REGULAR_EXPRESSION "no picture described in")
  # A header claiming 46000 x 46000 frames is refused with what it claims, at once.
  add_test(NAME media_refuses_frames_it_cannot_hold
           COMMAND lumaris-media decode ${CMAKE_CURRENT_SOURCE_DIR}/media_data/huge_frames.flc)
  set_tests_properties(media_refuses_frames_it_cannot_hold PROPERTIES
    PASS_REGULAR_EXPRESSION "Value out of range:46000 x 46000, not 1 to 16384 a side")
endif()
