# Painting the aspect table of a real chart into a 1000 x 1000 image:
#   build/benchmarks/bench_natal_table [--png=FILE [--size=WxH]]
# With --png it first writes the table as the screen view draws it at zoom 1 (1000 x 1000 unless
# --size says otherwise), to look at what is drawn.
orvanta_add_benchmark(bench_natal_table ${CMAKE_CURRENT_SOURCE_DIR}/natal_table_benchmark.cpp
  LIBRARIES orvanta_natal_paint orvanta_doc NEEDS orvanta_engine)
