# Painting the aspect table of a real chart into a 1000 x 1000 image:
#   build/benchmarks/bench_natal_table [--png=FILE [--size=WxH]]
# With --png it first writes the table as the screen view draws it at zoom 1 (1000 x 1000 unless
# --size says otherwise), to look at what is drawn.
add_executable(bench_natal_table ${CMAKE_CURRENT_SOURCE_DIR}/natal_table_benchmark.cpp)
target_link_libraries(bench_natal_table PRIVATE orvanta_natal_paint orvanta_doc benchmark::benchmark)
set_target_properties(bench_natal_table PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
target_compile_definitions(bench_natal_table PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
add_dependencies(bench_natal_table orvanta_engine)
