# lumaris-media on the still pictures that other tools wrote (tests/engine/media/data/pictures).
if(TARGET lumaris-media)
  set(MEDIA_PICTURES ${PROJECT_SOURCE_DIR}/tests/engine/media/data/pictures)
  add_test(NAME media_info_reads_a_pcx_header COMMAND lumaris-media info ${MEDIA_PICTURES}/pcx_24bit.pcx)
  set_tests_properties(media_info_reads_a_pcx_header PROPERTIES
    PASS_REGULAR_EXPRESSION "type: +PCX\nframes: +1\n.*size: +61 x 47\n.*depth: +8 bits, 3 plane")
  add_test(NAME media_decode_counts_dcx_pages COMMAND lumaris-media decode ${MEDIA_PICTURES}/pages.dcx)
  set_tests_properties(media_decode_counts_dcx_pages PROPERTIES
    PASS_REGULAR_EXPRESSION "^3 frames, checksum [0-9a-f]+\n$")
  add_test(NAME media_frames_writes_every_dcx_page
           COMMAND lumaris-media frames ${MEDIA_PICTURES}/pages.dcx ${CMAKE_CURRENT_BINARY_DIR}/dcx_pages)
  set_tests_properties(media_frames_writes_every_dcx_page PROPERTIES
    PASS_REGULAR_EXPRESSION "3 frames written")
  add_test(NAME media_plays_a_bitmap
           COMMAND lumaris-media play ${MEDIA_PICTURES}/bmp_rle8.bmp --headless --frames 2)
  set_tests_properties(media_plays_a_bitmap PROPERTIES TIMEOUT 30)
  # A 24-bit picture is shown in its own depth.
  add_test(NAME media_frames_writes_a_true_colour_bitmap
           COMMAND lumaris-media frames ${MEDIA_PICTURES}/bmp_24bit.bmp ${CMAKE_CURRENT_BINARY_DIR}/bmp_24bit)
  set_tests_properties(media_frames_writes_a_true_colour_bitmap PROPERTIES
    PASS_REGULAR_EXPRESSION "1 frames written")
endif()
