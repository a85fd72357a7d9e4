# The program's start up to the first painted natal window for the sample chart, without the
# splash, and its steps one by one:   build/benchmarks/bench_startup
if(TARGET orvanta_ui)
  orvanta_add_benchmark(bench_startup ${CMAKE_CURRENT_LIST_DIR}/startup_benchmark.cpp
    LIBRARIES orvanta_ui
    NEEDS orvanta_engine orvanta_defaults orvanta_pictures orvanta_timechange_data)
  target_compile_definitions(bench_startup PRIVATE
    ORVANTA_SAMPLE_MAP="${CMAKE_SOURCE_DIR}/data/samples/sample.map")
endif()
