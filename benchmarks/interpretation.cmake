# One synthesis of the natal interpretation of data/samples/sample.map from the delivered text
# library and settings:   build/benchmarks/bench_interpretation
if(TARGET orvanta_texts)
  add_executable(bench_interpretation ${CMAKE_CURRENT_LIST_DIR}/interpretation_benchmark.cpp)
  target_link_libraries(bench_interpretation PRIVATE orvanta_doc orvanta_texts benchmark::benchmark)
  set_target_properties(bench_interpretation PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_compile_definitions(bench_interpretation PRIVATE
    ORVANTA_APP_DIR="${ORVANTA_APP_DIR}"
    ORVANTA_SAMPLE_MAP="${CMAKE_SOURCE_DIR}/data/samples/sample.map")
  foreach(needed orvanta_defaults orvanta_text_library)
    if(TARGET ${needed})
      add_dependencies(bench_interpretation ${needed})
    endif()
  endforeach()
endif()
