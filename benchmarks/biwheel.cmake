# The bi-wheel of two computed charts against the natal wheel, painted into 1000 x 1000 images
# with the delivered settings and pictures:   build/benchmarks/bench_biwheel
if(TARGET orvanta_natal_paint)
  orvanta_add_benchmark(bench_biwheel ${CMAKE_CURRENT_LIST_DIR}/biwheel_benchmark.cpp
    LIBRARIES orvanta_natal_paint orvanta_doc NEEDS orvanta_engine orvanta_defaults orvanta_pictures)
endif()
