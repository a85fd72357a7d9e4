# One full reading ("Подробный разбор") of four births from the delivered text library, library
# files read each time as the command reads them:   build/benchmarks/bench_full_reading
if(TARGET orvanta_texts)
  add_executable(bench_full_reading ${CMAKE_CURRENT_LIST_DIR}/full_reading_benchmark.cpp)
  target_link_libraries(bench_full_reading PRIVATE orvanta_texts benchmark::benchmark)
  target_include_directories(bench_full_reading PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  set_target_properties(bench_full_reading PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_compile_definitions(bench_full_reading PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
  if(TARGET orvanta_text_library)
    add_dependencies(bench_full_reading orvanta_text_library)
  endif()
endif()
