# One step of the step recalculation: the chart computed again and the wheel and the aspect
# table of a 1000 x 1000 natal window painted:
#   build/benchmarks/bench_step_recalculation
add_executable(bench_step_recalculation ${CMAKE_CURRENT_SOURCE_DIR}/step_recalculation_benchmark.cpp)
target_link_libraries(bench_step_recalculation PRIVATE orvanta_natal_paint orvanta_doc benchmark::benchmark)
set_target_properties(bench_step_recalculation PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_compile_definitions(bench_step_recalculation PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
add_dependencies(bench_step_recalculation orvanta_engine)
