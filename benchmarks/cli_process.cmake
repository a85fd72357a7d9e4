# One orvanta-cli chart process against one swetest process for the same chart:
#   build/benchmarks/bench_cli_process
find_program(SWETEST_PROGRAM swetest)
add_executable(bench_cli_process ${CMAKE_CURRENT_LIST_DIR}/CliProcessBenchmark.cpp)
target_link_libraries(bench_cli_process PRIVATE benchmark::benchmark)
set_target_properties(bench_cli_process PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_compile_definitions(bench_cli_process PRIVATE
  ORVANTA_CLI="$<TARGET_FILE:orvanta-cli>"
  ORVANTA_APP_DIR="${ORVANTA_APP_DIR}"
  SWETEST="${SWETEST_PROGRAM}"
  EPHEMERIS_DIR="${ORVANTA_EPHEMERIS_DIR}")
add_dependencies(bench_cli_process orvanta-cli orvanta_engine)
