# The transit calendar of a year for the Moscow 1961 chart over the engine's positions at an
# instant, without and with the Moon:   build/benchmarks/bench_calendar
if(TARGET orvanta_events AND TARGET orvanta_doc)
  orvanta_add_benchmark(bench_calendar ${CMAKE_CURRENT_LIST_DIR}/calendar_benchmark.cpp
    LIBRARIES orvanta_doc NEEDS orvanta_engine orvanta_defaults)
endif()
