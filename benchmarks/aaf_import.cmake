# 1,000 AAF records imported as chart files:
#   build/benchmarks/bench_aaf_import
orvanta_add_benchmark(bench_aaf_import ${CMAKE_CURRENT_LIST_DIR}/AafImportBenchmark.cpp
  LIBRARIES orvanta_doc NEEDS orvanta_engine orvanta_defaults orvanta_timechange_data)
