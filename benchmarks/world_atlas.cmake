# What the place list does on every key the user types: the places offered for a prefix,
# from the delivered places base and the world atlas:   build/benchmarks/bench_world_atlas
if(TARGET orvanta_birthdata)
  add_executable(bench_world_atlas ${CMAKE_CURRENT_LIST_DIR}/world_atlas_benchmark.cpp)
  target_link_libraries(bench_world_atlas PRIVATE orvanta_birthdata benchmark::benchmark)
  set_target_properties(bench_world_atlas PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  target_compile_definitions(bench_world_atlas PRIVATE ORVANTA_APP_DIR="${ORVANTA_APP_DIR}")
  if(TARGET orvanta_places_data)
    add_dependencies(bench_world_atlas orvanta_places_data)
  endif()
endif()
