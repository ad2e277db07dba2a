#include "bench_environment.h"

#include "conversion/costyle_writer.h"

#include <benchmark/benchmark.h>

namespace {

// Every preset of the corpus read and converted, with one writer for all.
void convert_corpus(benchmark::State& state)
{
    QStringList const& presets = bench_environment::instance().presets();
    costyle_writer const writer;
    for (auto _ : state) {
        for (QString const& path : presets) {
            lightroom_importer importer;
            read_preset(importer, path);
            QString xml;
            writer.create_costyle(importer, xml);
            benchmark::DoNotOptimize(xml.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * presets.size());
}

}

BENCHMARK(convert_corpus)->Unit(benchmark::kMillisecond);
