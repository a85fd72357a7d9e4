# Sixteen bodies at one instant through EngineEphemeris, and the same Swiss Ephemeris calls made
# directly (the target: at most 1.1 times as long):
#   build/benchmarks/bench_ephemeris
orvanta_add_benchmark(bench_ephemeris ${CMAKE_CURRENT_SOURCE_DIR}/ephemeris_benchmark.cpp
  LIBRARIES orvanta_calc PkgConfig::SWE NEEDS orvanta_engine)
