# daq_fuzz_target(name SOURCE file LIBS ...): one libFuzzer program built
# from one file in the folder's fuzz/, its seed corpus in fuzz/seeds/<name>/.
# The rest of the tree is compiled with the fuzzer's coverage (see the
# top-level CMakeLists.txt); the target daq_fuzzers builds every program,
# scripts/fuzz runs them.
add_custom_target(daq_fuzzers)

function(daq_fuzz_target name)
  cmake_parse_arguments(F "" "SOURCE" "LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCE})
  daq_warnings(${name})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  # All in one folder, where scripts/fuzz looks for them.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/fuzzers)
  add_dependencies(daq_fuzzers ${name})
endfunction()
