# What the place list does on every key the user types: the places offered for a prefix,
# from the delivered places base and the world atlas:   build/benchmarks/bench_world_atlas
if(TARGET orvanta_birthdata)
  orvanta_add_benchmark(bench_world_atlas ${CMAKE_CURRENT_LIST_DIR}/world_atlas_benchmark.cpp
    LIBRARIES orvanta_birthdata NEEDS orvanta_places_data)
endif()
