#include "bench_environment.h"
#include "discarded_console.h"

#include "conversion/costyle_writer.h"
#include "conversion/debug_text.h"
#include "style_file_writing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

int const batch_size = 1000;

struct batch_folders {
    QString input;
    QString output;
    QStringList inputs;
    std::vector<std::string> copy_sources;
    std::vector<std::string> copy_targets;
};

// The corpus repeated under distinct names, so every preset of the batch
// writes a file of its own.
batch_folders const& folders()
{
    static batch_folders const made = [] {
        batch_folders result;
        QDir const scratch(bench_environment::instance().scratch_path());
        result.input = scratch.filePath(QStringLiteral("batch_input"));
        result.output = scratch.filePath(QStringLiteral("batch_output"));
        QDir().mkpath(result.input);
        QDir().mkpath(result.output);
        QStringList const& presets = bench_environment::instance().presets();
        for (int n = 0; n < batch_size; ++n) {
            QFileInfo const preset(presets.at(n % presets.size()));
            QString const number = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
            QString const name = QStringLiteral("%1 %2.%3").arg(preset.completeBaseName(), number, preset.suffix());
            QString const path = result.input + QLatin1Char('/') + name;
            QFile::copy(preset.filePath(), path);
            result.inputs << path;
            result.copy_sources.push_back(QFile::encodeName(path).toStdString());
            result.copy_targets.push_back(QFile::encodeName(result.output + QLatin1Char('/') + name).toStdString());
        }
        return result;
    }();
    return made;
}

void convert_batch(batch_folders const& batch, bool shared_writer)
{
    std::unique_ptr<costyle_writer const> shared;
    if (shared_writer)
        shared = std::make_unique<costyle_writer const>();
    for (QString const& path : batch.inputs) {
        lightroom_importer importer;
        if (!read_preset(importer, path))
            continue;
        if (conversion::log_enabled(QtDebugMsg))
            qt_message_output(QtDebugMsg, KESTOVA_LOG_CONTEXT, conversion::debug_map(importer.settings));
        std::unique_ptr<costyle_writer const> own;
        if (!shared_writer)
            own = std::make_unique<costyle_writer const>();
        costyle_writer const& writer = shared_writer ? *shared : *own;
        bool white_balance = false;
        bool unsupported = false;
        bool calibration = false;
        writer.check_costyle(white_balance, unsupported, calibration, importer);
        QString xml;
        writer.create_costyle(importer, xml);
        QString const style_path =
            batch.output + QLatin1Char('/') + QFileInfo(path).completeBaseName() + QStringLiteral(".costyle");
        QString reason;
        write_style_file(style_path, xml, reason);
    }
}

void copy_file(std::string const& source, std::string const& target)
{
    std::vector<char> bytes;
    if (std::FILE* in = std::fopen(source.c_str(), "rb")) {
        char block[65536];
        std::size_t count = 0;
        while ((count = std::fread(block, 1, sizeof block, in)) > 0)
            bytes.insert(bytes.end(), block, block + count);
        std::fclose(in);
    }
    if (std::FILE* out = std::fopen(target.c_str(), "wb")) {
        benchmark::DoNotOptimize(std::fwrite(bytes.data(), 1, bytes.size(), out));
        std::fclose(out);
    }
}

void copy_batch(batch_folders const& batch)
{
    for (std::size_t n = 0; n < batch.copy_sources.size(); ++n)
        copy_file(batch.copy_sources[n], batch.copy_targets[n]);
}

// The log lines are built as the program builds them; `dropped` hands them to
// a handler that discards them (the measure of earlier figures), otherwise
// the program's handler writes them to the discarded console.
void drop_line(QtMsgType, QMessageLogContext const&, QString const&) {}

class line_sink {
public:
    explicit line_sink(bool dropped) : previous(dropped ? qInstallMessageHandler(drop_line) : nullptr), dropped(dropped)
    {
    }
    ~line_sink()
    {
        if (dropped)
            qInstallMessageHandler(previous);
    }

    line_sink(line_sink const&) = delete;
    line_sink& operator=(line_sink const&) = delete;

private:
    QtMessageHandler previous;
    bool dropped;
};

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each iteration converts the batch as the conversion flow does (read, the
// settings' log line, check, style text, write) and copies the same files
// into the same folder, so both see the same file system state; the time
// shown is the conversion's, the counters give the copy's and the ratio of
// the two.
void batch_1000(benchmark::State& state, bool shared_writer, bool dropped_lines)
{
    batch_folders const& batch = folders();
    double convert_seconds = 0;
    double copy_seconds = 0;
    discarded_console const console;
    line_sink const sink(dropped_lines);
    for (auto _ : state) {
        auto const convert_start = std::chrono::steady_clock::now();
        convert_batch(batch, shared_writer);
        double const converting = seconds_since(convert_start);
        auto const copy_start = std::chrono::steady_clock::now();
        copy_batch(batch);
        copy_seconds += seconds_since(copy_start);
        convert_seconds += converting;
        state.SetIterationTime(converting);
    }
    double const batches = double(state.iterations());
    state.counters["convert_ms"] = convert_seconds / batches * 1000;
    state.counters["copy_ms"] = copy_seconds / batches * 1000;
    state.counters["ratio"] = convert_seconds / copy_seconds;
    state.SetItemsProcessed(state.iterations() * batch_size);
}

}

// The file system's time per file varies from one iteration to the next; a
// few seconds of batches give a steadier ratio.
BENCHMARK_CAPTURE(batch_1000, shared_writer, true, false)->UseManualTime()->MinTime(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(batch_1000, shared_writer_dropped_lines, true, true)
    ->UseManualTime()
    ->MinTime(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(batch_1000, writer_per_preset, false, false)
    ->UseManualTime()
    ->MinTime(3)
    ->Unit(benchmark::kMillisecond);
