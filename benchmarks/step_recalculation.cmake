# One step of the step recalculation: the chart computed again and the wheel and the aspect
# table of a 1000 x 1000 natal window painted:
#   build/benchmarks/bench_step_recalculation
orvanta_add_benchmark(bench_step_recalculation ${CMAKE_CURRENT_SOURCE_DIR}/step_recalculation_benchmark.cpp
  LIBRARIES orvanta_natal_paint orvanta_doc NEEDS orvanta_engine)
