# orvanta-cli batch against raw Swiss Ephemeris for the same bodies and houses:
#   build/benchmarks/bench_batch
add_executable(bench_batch ${CMAKE_CURRENT_LIST_DIR}/BatchBenchmark.cpp)
target_link_libraries(bench_batch PRIVATE orvanta_cli_lib PkgConfig::SWE benchmark::benchmark)
set_target_properties(bench_batch PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_compile_definitions(bench_batch PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
add_dependencies(bench_batch orvanta_engine)
