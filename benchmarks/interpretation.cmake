# One synthesis of the natal interpretation of data/samples/sample.map from the delivered text
# library and settings:   build/benchmarks/bench_interpretation
if(TARGET orvanta_texts)
  orvanta_add_benchmark(bench_interpretation ${CMAKE_CURRENT_LIST_DIR}/interpretation_benchmark.cpp
    LIBRARIES orvanta_doc orvanta_texts NEEDS orvanta_defaults orvanta_text_library)
  target_compile_definitions(bench_interpretation PRIVATE
    ORVANTA_SAMPLE_MAP="${CMAKE_SOURCE_DIR}/data/samples/sample.map")
endif()
