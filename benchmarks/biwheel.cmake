# The bi-wheel of two computed charts against the natal wheel, painted into 1000 x 1000 images
# with the delivered settings and pictures:   build/benchmarks/bench_biwheel
if(TARGET orvanta_natal_paint)
  add_executable(bench_biwheel ${CMAKE_CURRENT_LIST_DIR}/biwheel_benchmark.cpp)
  target_link_libraries(bench_biwheel PRIVATE orvanta_natal_paint orvanta_doc benchmark::benchmark)
  set_target_properties(bench_biwheel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_compile_definitions(bench_biwheel PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
  foreach(needed orvanta_engine orvanta_defaults orvanta_pictures)
    if(TARGET ${needed})
      add_dependencies(bench_biwheel ${needed})
    endif()
  endforeach()
endif()
