// The one entry point of lesson_bench; the benchmarks live in the other files.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
