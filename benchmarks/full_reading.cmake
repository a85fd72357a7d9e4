# One full reading ("Подробный разбор") of four births from the delivered text library, library
# files read each time as the command reads them:   build/benchmarks/bench_full_reading
if(TARGET orvanta_texts)
  orvanta_add_benchmark(bench_full_reading ${CMAKE_CURRENT_LIST_DIR}/full_reading_benchmark.cpp
    LIBRARIES orvanta_texts NEEDS orvanta_text_library)
  target_include_directories(bench_full_reading PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endif()
