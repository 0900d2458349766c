# The artwork renderer's parts, and the committed artwork being exactly what the generator
# makes.
if(TARGET test_tools AND TARGET lumaris_artwork)
  target_link_libraries(test_tools PRIVATE lumaris_artwork)
endif()
if(TARGET lumaris-artwork)
  add_test(NAME artwork_matches_committed
           COMMAND ${CMAKE_COMMAND} -DGENERATOR=$<TARGET_FILE:lumaris-artwork>
                   -DSCRATCH=${CMAKE_CURRENT_BINARY_DIR}/artwork_scratch
                   -DCOMMITTED=${PROJECT_SOURCE_DIR}/resources
                   -P ${PROJECT_SOURCE_DIR}/tools/artwork/CompareWithCommitted.cmake)
endif()
