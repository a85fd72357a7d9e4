# orvanta-cli batch against raw Swiss Ephemeris for the same bodies and houses:
#   build/benchmarks/bench_batch
orvanta_add_benchmark(bench_batch ${CMAKE_CURRENT_LIST_DIR}/BatchBenchmark.cpp
  LIBRARIES orvanta_cli_lib PkgConfig::SWE NEEDS orvanta_engine)
