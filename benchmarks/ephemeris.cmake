# Sixteen bodies at one instant through EngineEphemeris, and the same Swiss Ephemeris calls made
# directly (the target: at most 1.1 times as long):
#   build/benchmarks/bench_ephemeris
add_executable(bench_ephemeris ${CMAKE_CURRENT_SOURCE_DIR}/ephemeris_benchmark.cpp)
target_link_libraries(bench_ephemeris PRIVATE orvanta_calc PkgConfig::SWE benchmark::benchmark)
set_target_properties(bench_ephemeris PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_compile_definitions(bench_ephemeris PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
add_dependencies(bench_ephemeris orvanta_engine)
