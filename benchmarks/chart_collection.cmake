# The chart collection over 10,000 generated chart files:
#   build/benchmarks/bench_chart_collection
add_executable(bench_chart_collection ${CMAKE_CURRENT_LIST_DIR}/ChartCollectionBenchmark.cpp)
target_link_libraries(bench_chart_collection PRIVATE orvanta_doc benchmark::benchmark)
set_target_properties(bench_chart_collection PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
