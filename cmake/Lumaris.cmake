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
