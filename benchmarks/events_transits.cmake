# One event chart day (a three-day span of chart computations, passage detection, ordering and
# marking) for a chart computed from the delivered settings:   build/benchmarks/bench_transits
if(TARGET orvanta_events)
  add_executable(bench_transits ${CMAKE_CURRENT_LIST_DIR}/transits_benchmark.cpp)
  target_link_libraries(bench_transits PRIVATE orvanta_doc benchmark::benchmark)
  set_target_properties(bench_transits PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_compile_definitions(bench_transits PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
  foreach(needed orvanta_engine orvanta_defaults)
    if(TARGET ${needed})
      add_dependencies(bench_transits ${needed})
    endif()
  endforeach()
endif()
