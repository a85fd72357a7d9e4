# Painting the natal chart wheel into a 1000 x 1000 image, with a chart computed by the engine
# from the delivered settings and pictures:   build/benchmarks/bench_natal_wheel
if(TARGET orvanta_natal_paint)
  add_executable(bench_natal_wheel ${CMAKE_CURRENT_LIST_DIR}/natal_wheel_benchmark.cpp)
  target_link_libraries(bench_natal_wheel PRIVATE orvanta_natal_paint orvanta_doc benchmark::benchmark)
  set_target_properties(bench_natal_wheel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_compile_definitions(bench_natal_wheel PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
  foreach(needed orvanta_engine orvanta_defaults orvanta_pictures)
    if(TARGET ${needed})
      add_dependencies(bench_natal_wheel ${needed})
    endif()
  endforeach()
endif()
