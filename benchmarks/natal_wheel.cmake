# Painting the natal chart wheel into a 1000 x 1000 image, with a chart computed by the engine
# from the delivered settings and pictures:   build/benchmarks/bench_natal_wheel
if(TARGET orvanta_natal_paint)
  orvanta_add_benchmark(bench_natal_wheel ${CMAKE_CURRENT_LIST_DIR}/natal_wheel_benchmark.cpp
    LIBRARIES orvanta_natal_paint orvanta_doc NEEDS orvanta_engine orvanta_defaults orvanta_pictures)
endif()
