# keystone_fuzz_target(<name> SOURCES ... LIBS ... [DEFINITIONS ...]): a fuzz target whose sources define
# LLVMFuzzerTestOneInput. Always builds <name>_replay, which CTest runs over every file of
# fuzz/corpus/<name>/; with KEYSTONE_FUZZ=ON (clang only) also builds the libFuzzer binary
# <name> in <build>/fuzzers/, which scripts/fuzz.sh runs.
function(keystone_fuzz_target name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS;DEFINITIONS" ${ARGN})
  set(corpus ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  add_executable(${name}_replay ${F_SOURCES})
  target_link_libraries(${name}_replay PRIVATE keystone_fuzz_replay ${F_LIBS})
  target_compile_definitions(${name}_replay PRIVATE ${F_DEFINITIONS})
  add_test(NAME fuzz_corpus.${name} COMMAND ${name}_replay ${corpus})
  set_tests_properties(fuzz_corpus.${name} PROPERTIES TIMEOUT 300)
  if(KEYSTONE_FUZZ)
    add_executable(${name} ${F_SOURCES})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_compile_definitions(${name} PRIVATE ${F_DEFINITIONS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
    add_dependencies(fuzzers ${name})
  endif()
endfunction()
