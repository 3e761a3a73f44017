# lumolex_fuzz_target(<name> SOURCES <files...> LINK <libs...>)
#
# One fuzz target: its sources define LLVMFuzzerInitialize and
# LLVMFuzzerTestOneInput, and its seed corpus is tests/fuzz/<name>/.
#  - With -DLUMOLEX_FUZZ=ON and clang: the libFuzzer executable
#    lumolex-fuzz-<name> (see scripts/fuzz).
#  - With the tests: tests/fuzz runs the same entry point on every file of
#    the corpus, so the corpus is a regression suite in every build.
function(lumolex_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  set_property(GLOBAL APPEND PROPERTY LUMOLEX_FUZZ_TARGETS ${name})
  set_property(GLOBAL PROPERTY LUMOLEX_FUZZ_${name}_SOURCES ${ARG_SOURCES})
  set_property(GLOBAL PROPERTY LUMOLEX_FUZZ_${name}_LINK ${ARG_LINK})

  if(NOT LUMOLEX_FUZZ)
    return()
  endif()
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(WARNING "lumolex-fuzz-${name} needs clang (configure with CXX=clang++); not built")
    return()
  endif()
  add_executable(lumolex-fuzz-${name} ${ARG_SOURCES})
  target_include_directories(lumolex-fuzz-${name} PRIVATE ${PROJECT_SOURCE_DIR}/tools/fuzz-support)
  target_link_libraries(lumolex-fuzz-${name} PRIVATE ${ARG_LINK})
  target_compile_options(lumolex-fuzz-${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(lumolex-fuzz-${name} PRIVATE -fsanitize=fuzzer)
endfunction()
