# Build helpers shared by every folder.

function(lumaris_add_optional_subdirectory dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

# Adds every subfolder of the current folder that has its own CMakeLists.txt.
function(lumaris_add_subfolders)
  file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# Collects the .cpp files below the given folders (recursively).
function(lumaris_sources out)
  set(result)
  foreach(dir ${ARGN})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  list(SORT result)
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# One GoogleTest executable from every .cpp in the current folder (and below, with RECURSE),
# linked with the platform's test controls.
function(lumaris_test_folder name)
  cmake_parse_arguments(T "RECURSE" "" "LIBS" ${ARGN})
  if(T_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS} lumaris_platform_testing GTest::gtest
                                              GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE LUMARIS_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT
      "LUMARIS_DISPLAY=headless;LUMARIS_REGISTRY=${PROJECT_BINARY_DIR}/tests/registry.reg")
endfunction()

# A static library of the .cpp files below the given folders (an interface library while
# the folders hold none yet), linked to the given public dependencies.
function(lumaris_library name)
  cmake_parse_arguments(L "" "" "DIRS;DEPS" ${ARGN})
  lumaris_sources(sources ${L_DIRS})
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${L_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# GoogleTest built from the source Debian's googletest package ships, for a cross build that
# has no GoogleTest of its own.
function(lumaris_googletest_from_source)
  set(source /usr/src/googletest)
  if(NOT EXISTS ${source}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${source} (Debian package googletest)")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Its own build defines the GTest:: names.
  add_subdirectory(${source} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endfunction()

# Test controls that platform/testing/win32 provides on the real system as well.
set(LUMARIS_WIN32_TEST_CONTROLS platform/testing/message_boxes.h)

# Whether a source reaches the system only through platform/win32.h (and the test controls
# above), following its quoted includes: such a test runs against the real Win32 as well as
# against our provision. The temporary registry points our registry file elsewhere, so it
# belongs to the provision.
function(lumaris_needs_only_win32 file out)
  set(pending ${file})
  set(seen)
  while(pending)
    list(POP_FRONT pending current)
    list(APPEND seen ${current})
    file(STRINGS ${current} lines REGEX "^#include \"")
    get_filename_component(folder ${current} DIRECTORY)
    foreach(line ${lines})
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
      if((included MATCHES "^platform/" AND NOT included STREQUAL "platform/win32.h"
          AND NOT included IN_LIST LUMARIS_WIN32_TEST_CONTROLS)
         OR included STREQUAL "tests/support/temporary_registry.h")
        set(${out} FALSE PARENT_SCOPE)
        return()
      endif()
      if(included MATCHES "^platform/")
        continue()
      endif()
      foreach(candidate ${folder}/${included} ${PROJECT_SOURCE_DIR}/${included})
        if(EXISTS ${candidate} AND NOT candidate IN_LIST seen AND NOT candidate IN_LIST pending)
          list(APPEND pending ${candidate})
        endif()
      endforeach()
    endforeach()
  endwhile()
  set(${out} TRUE PARENT_SCOPE)
endfunction()

# One GoogleTest program of the tests below the given folders (but not below those in
# EXCLUDE) that need nothing but platform/win32.h.
function(lumaris_win32_test_program name)
  cmake_parse_arguments(T "" "" "DIRS;EXCLUDE;LIBS" ${ARGN})
  set(sources)
  foreach(dir ${T_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    foreach(excluded ${T_EXCLUDE})
      list(FILTER found EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${excluded}(/|$)")
    endforeach()
    foreach(source ${found})
      lumaris_needs_only_win32(${source} portable)
      if(portable)
        list(APPEND sources ${source})
      endif()
    endforeach()
  endforeach()
  list(SORT sources)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS} lumaris_platform_testing GTest::gtest
                                        GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE LUMARIS_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()
