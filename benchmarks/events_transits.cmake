# One event chart day (a three-day span of chart computations, passage detection, ordering and
# marking) for a chart computed from the delivered settings:   build/benchmarks/bench_transits
if(TARGET orvanta_events)
  orvanta_add_benchmark(bench_transits ${CMAKE_CURRENT_LIST_DIR}/transits_benchmark.cpp
    LIBRARIES orvanta_doc NEEDS orvanta_engine orvanta_defaults)
endif()
