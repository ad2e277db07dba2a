#include "bench_environment.h"

#include "conversion/costyle_writer.h"

#include <benchmark/benchmark.h>

namespace {

// Loading the three embedded tables and building the identity table.
void writer_constructor(benchmark::State& state)
{
    bench_environment::instance();
    for (auto _ : state) {
        costyle_writer const writer;
        benchmark::DoNotOptimize(writer.lut_wide_gamut.entries.data());
    }
}

}

BENCHMARK(writer_constructor)->Unit(benchmark::kMillisecond);
