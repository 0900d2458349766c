# The program's dialog templates as the cross toolchain's resource compiler builds them, for
# the embedder's templates to be compared with byte for byte.
find_program(LUMARIS_WINDRES NAMES i686-w64-mingw32-windres x86_64-w64-mingw32-windres windres)
if(TARGET test_tools AND LUMARIS_WINDRES)
  set(WINDRES_OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/lumaris_by_windres.res)
  file(GLOB RESOURCE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*/*)
  add_custom_command(
    OUTPUT ${WINDRES_OUTPUT}
    COMMAND ${LUMARIS_WINDRES} -I ${PROJECT_SOURCE_DIR}/resources
            ${PROJECT_SOURCE_DIR}/resources/lumaris.rc -O res -o ${WINDRES_OUTPUT}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/resources
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/lumaris.rc ${RESOURCE_FILES}
    COMMENT "Compiling the resource script with windres for comparison"
    VERBATIM)
  add_custom_target(windres_reference DEPENDS ${WINDRES_OUTPUT})
  add_dependencies(test_tools windres_reference)
  target_compile_definitions(test_tools PRIVATE WINDRES_RES="${WINDRES_OUTPUT}")
endif()
