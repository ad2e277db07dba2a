#include "bench_environment.h"
#include "discarded_console.h"

#include "conversion/costyle_writer.h"

#include <QRegularExpression>

#include <benchmark/benchmark.h>

namespace {

QStringList presets_of_kind(QString const& suffix)
{
    QStringList presets = bench_environment::instance().presets();
    if (!suffix.isEmpty())
        presets = presets.filter(QRegularExpression(QStringLiteral("\\.%1$").arg(suffix)));
    return presets;
}

// The presets of the corpus, all or those of one suffix, read and converted
// with one writer for all.
void convert_corpus(benchmark::State& state, char const* suffix)
{
    QStringList const presets = presets_of_kind(QLatin1String(suffix));
    costyle_writer const writer;
    discarded_console const console;
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

BENCHMARK_CAPTURE(convert_corpus, all, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(convert_corpus, lrtemplate, "lrtemplate")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(convert_corpus, xmp, "xmp")->Unit(benchmark::kMillisecond);
