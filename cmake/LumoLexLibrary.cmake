# lumolex_library(<target> [RECURSE] LINK <libs...>)
#
# Builds one static library from every .cpp/.h file of the calling folder
# (and of its subfolders with RECURSE). Headers are included as
# "<folder>/<file>.h" from src/.
function(lumolex_library target)
  cmake_parse_arguments(ARG "RECURSE" "TEST_FILTER" "LINK" ${ARGN})
  set(glob GLOB)
  if(ARG_RECURSE)
    set(glob GLOB_RECURSE)
  endif()
  file(${glob} sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
                                      ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_LINK})
  set_target_properties(${target} PROPERTIES LINKER_LANGUAGE CXX)
endfunction()

# lumolex_gtest(<target> [RECURSE] LINK <libs...> [TEST_FILTER <gtest filter>])
#
# One GoogleTest executable from every .cpp of the calling folder (and of its
# subfolders with RECURSE), registered with CTest test by test. GUI tests run
# on the offscreen platform.
function(lumolex_gtest target)
  cmake_parse_arguments(ARG "RECURSE" "TEST_FILTER" "LINK" ${ARGN})
  set(glob GLOB)
  if(ARG_RECURSE)
    set(glob GLOB_RECURSE)
  endif()
  file(${glob} sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources} ${PROJECT_SOURCE_DIR}/tests/common/gtest_main.cpp)
  target_link_libraries(${target} PRIVATE ${ARG_LINK} Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
  target_compile_definitions(${target} PRIVATE
    LUMOLEX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/testdata"
    LUMOLEX_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  include(GoogleTest)
  if(NOT ARG_TEST_FILTER)
    set(ARG_TEST_FILTER "*")
  endif()
  # TEST_FILTER leaves out tests that run elsewhere (on a real display).
  gtest_discover_tests(${target}
    PROPERTIES ENVIRONMENT "${LUMOLEX_TEST_ENVIRONMENT}"
    TEST_FILTER "${ARG_TEST_FILTER}"
    DISCOVERY_TIMEOUT 60)
endfunction()
