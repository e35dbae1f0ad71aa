# Benchmarks of the calculation cores (Google Benchmark): every bench/*_bench.cpp goes
# into one executable, ponteluma_bench. They are measurements, not tests, so CTest
# does not run them; build them in Release for meaningful figures.
find_package(benchmark QUIET)
if(NOT benchmark_FOUND)
    message(STATUS "Google Benchmark not found: ponteluma_bench is not built")
    return()
endif()

file(GLOB PONTELUMA_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
if(PONTELUMA_BENCH_SOURCES)
    add_executable(ponteluma_bench ${PONTELUMA_BENCH_SOURCES})
    # benchmark_main gives the executable its main(); no source needs to define one.
    target_link_libraries(ponteluma_bench PRIVATE ponteluma_shell benchmark::benchmark
                                                  benchmark::benchmark_main)
endif()
