# The program's start up to the first painted natal window for the sample chart, without the
# splash, and its steps one by one:   build/benchmarks/bench_startup
if(TARGET orvanta_ui)
  add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/startup_benchmark.cpp)
  target_link_libraries(bench_startup PRIVATE orvanta_ui benchmark::benchmark)
  set_target_properties(bench_startup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_compile_definitions(bench_startup PRIVATE
    ORVANTA_APP_DIR="${ORVANTA_APP_DIR}"
    ORVANTA_SAMPLE_MAP="${CMAKE_SOURCE_DIR}/data/samples/sample.map")
  foreach(needed orvanta_engine orvanta_defaults orvanta_pictures orvanta_timechange_data)
    if(TARGET ${needed})
      add_dependencies(bench_startup ${needed})
    endif()
  endforeach()
endif()
