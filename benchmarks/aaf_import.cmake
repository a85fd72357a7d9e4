# 1,000 AAF records imported as chart files:
#   build/benchmarks/bench_aaf_import
add_executable(bench_aaf_import ${CMAKE_CURRENT_LIST_DIR}/AafImportBenchmark.cpp)
target_link_libraries(bench_aaf_import PRIVATE orvanta_doc benchmark::benchmark)
set_target_properties(bench_aaf_import PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_compile_definitions(bench_aaf_import PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
add_dependencies(bench_aaf_import orvanta_engine orvanta_defaults orvanta_timechange_data)
