# The transit calendar of a year for the Moscow 1961 chart over the engine's positions at an
# instant, without and with the Moon:   build/benchmarks/bench_calendar
if(TARGET orvanta_events AND TARGET orvanta_doc)
  add_executable(bench_calendar ${CMAKE_CURRENT_LIST_DIR}/calendar_benchmark.cpp)
  target_link_libraries(bench_calendar PRIVATE orvanta_doc benchmark::benchmark)
  set_target_properties(bench_calendar PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_compile_definitions(bench_calendar PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
  foreach(needed orvanta_engine orvanta_defaults)
    if(TARGET ${needed})
      add_dependencies(bench_calendar ${needed})
    endif()
  endforeach()
endif()
