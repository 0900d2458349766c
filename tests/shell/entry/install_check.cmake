# cmake -DBUILD=<build folder> -DSTAGE=<empty folder> -P install_check.cmake
# Installs for prefix /usr into STAGE and checks that the program is where the screen-saver
# daemon looks for display programs and the description where its settings application
# reads them.
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(program ${STAGE}/usr/libexec/xscreensaver/lumaris)
if(NOT IS_SYMLINK ${program} OR NOT EXISTS ${program})
  message(FATAL_ERROR "${program} is not a link to the installed program")
endif()
file(READ_SYMLINK ${program} target)
if(NOT target STREQUAL "../../bin/lumaris")
  message(FATAL_ERROR "${program} points to ${target}, not into the prefix")
endif()
if(NOT EXISTS ${STAGE}/usr/share/xscreensaver/config/lumaris.xml)
  message(FATAL_ERROR "the description is not in share/xscreensaver/config")
endif()
