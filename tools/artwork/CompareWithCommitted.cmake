# Runs the artwork generator into a scratch folder and fails when any file differs from the
# committed one. -DGENERATOR=<lumaris-artwork> -DSCRATCH=<dir> -DCOMMITTED=<resources dir>
set(ARTWORK_FILES flic/big.flc flic/small.flc flic/big_still.flc flic/small_still.flc
                  icons/lumaris.ico icons/about.ico bitmaps/colour_strip.bmp)
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${GENERATOR} ${SCRATCH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lumaris-artwork failed: ${result}")
endif()
foreach(name ${ARTWORK_FILES})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${name} ${COMMITTED}/${name}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} differs from the committed file: regenerate with "
                        "lumaris-artwork ${COMMITTED} and commit it")
  endif()
endforeach()
