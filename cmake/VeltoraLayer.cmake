# One static library per layer of src/, built from every source file in its folder,
# so adding a file to a layer never means editing a shared list.
function(veltora_layer name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  # A layer's qt/ sub-folder holds its Qt adapters; they go into veltora_qt, not the core.
  list(FILTER sources EXCLUDE REGEX "/qt/")
  set(target veltora_${name})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

# One GoogleTest executable per layer of tests/, from every test file in its folder.
# Tests find the assembled program folder through VELTORA_TEST_HOME; tests that use Qt
# choose the offscreen platform themselves, since they run without a display.
function(veltora_layer_tests name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target test_${name})
  add_executable(${target} ${sources})
  # Only targets that use Qt need moc; the core and its tests do not.
  if("veltora_qt" IN_LIST ARG_DEPENDS)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
  endif()
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} veltora_testsupport GTest::gtest_main GTest::gmock)
  add_dependencies(${target} veltora_program_folder)
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "VELTORA_TEST_HOME=${VELTORA_HOME_DIR}")
endfunction()
