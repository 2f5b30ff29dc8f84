# Every folder of src/ is one library target whose sources are the .cpp files
# in it, so adding a file needs no edit here.
function(quillon_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
  if(sources)
    add_library(qs_${name} STATIC ${sources})
    target_include_directories(qs_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    foreach(dep ${ARG_DEPENDS})
      target_link_libraries(qs_${name} PUBLIC qs_${dep})
    endforeach()
  else()
    # A layer with headers only (or nothing yet) is still a node of the graph.
    add_library(qs_${name} INTERFACE)
    target_include_directories(qs_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    foreach(dep ${ARG_DEPENDS})
      target_link_libraries(qs_${name} INTERFACE qs_${dep})
    endforeach()
  endif()
endfunction()

# tests/<folder>/*.cpp make one GoogleTest executable test_<folder>.
function(quillon_tests folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${folder} ${sources})
  foreach(dep ${ARG_DEPENDS})
    target_link_libraries(test_${folder} PRIVATE qs_${dep})
  endforeach()
  target_link_libraries(test_${folder} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
  quillon_test_compile_options(test_${folder})
  target_include_directories(test_${folder} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(test_${folder} PRIVATE
    QUILLON_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(test_${folder} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS ${folder})
  quillon_test_environment(test_${folder}
    "QUILLON_SETTINGS_FILE=${CMAKE_BINARY_DIR}/test-settings/${folder}.ini"
    "QUILLON_LOG_FILE=${CMAKE_BINARY_DIR}/test-logs/${folder}.log")
endfunction()

# Gives every test that the discovery of target finds the environment
# assignments (NAME=value): the tests write into the build tree, never into
# the user's folders. gtest_discover_tests would pass each ";" of an
# ENVIRONMENT value on as a property name of its own, so the assignments are
# set from a file ctest reads once it knows the tests.
function(quillon_test_environment target)
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${target}_environment.cmake)
  list(JOIN ARGN ";" assignments)
  file(WRITE ${file}
    "foreach(name IN LISTS ${target}_TESTS)\n"
    "  set_tests_properties(\"\${name}\" PROPERTIES ENVIRONMENT \"${assignments}\")\n"
    "endforeach()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()

# Test code is compiled for a quick build rather than for speed: the code under
# test keeps the build type's optimisation, the tests themselves (mostly the
# expansion of the framework's macros) get a light one and line tables only,
# and each test target reads the framework's headers once.
function(quillon_test_compile_options target)
  target_compile_options(${target} PRIVATE $<$<CONFIG:RelWithDebInfo,Release>:-O1 -g1>)
  target_precompile_headers(${target} PRIVATE
    <gmock/gmock.h> <gtest/gtest.h> <functional> <memory> <string> <string_view> <vector>)
endfunction()
