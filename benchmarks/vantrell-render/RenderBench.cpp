// vantrell-render's throughput and start-up: 1000 seeded random codes to PNG files on one thread and on
// every core, and one file drawn, or its thumbnail made, by a fresh process from start to exit.

#include "core/genefile/GeneFileWriter.h"
#include "core/platform/ParallelRun.h"
#include "harness/BenchSummary.h"
#include "harness/MemoryFolder.h"
#include "harness/Samples.h"
#include "support/PictureCodes.h"
#include "vantrell-render/RandomCodes.h"
#include "vantrell-render/RenderRun.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int CodeCount = 1000;

// The codes, written once for every benchmark that renders them.
class RandomFolder {
public:
    RandomFolder()
    {
        names = RandomCodes::fileNames(folder.path(), QStringLiteral("bench-"), CodeCount);
        RandomCodes::write(names, 20240611, [](int index, const QString& error) {
            std::fprintf(stderr, "RenderBench: code %d not written: %s\n", index, qPrintable(error));
        });
    }

    QTemporaryDir folder;
    QStringList names;
};

RandomFolder& randomFolder()
{
    static RandomFolder codes;
    return codes;
}

// Files per second by thread count.
std::map<int, double> filesPerSecond;

void BM_RenderRandomCodesToPng(benchmark::State& state)
{
    const int threads = state.range(0) > 0 ? static_cast<int>(state.range(0)) : ParallelRun::threadCount(0);
    RenderRequest request;
    request.files = randomFolder().names;
    QTemporaryDir output(memoryFolderTemplate(QStringLiteral("bench")));
    request.outputDir = output.path();
    request.settings.options.background = QGuiApplication::palette().color(QPalette::Window);
    request.threads = threads;
    double best = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const QStringList failures = RenderRun::run(request);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(wall.count());
        if (!failures.isEmpty())
            state.SkipWithError(qPrintable(failures.first()));
        best = std::max(best, CodeCount / wall.count());
    }
    filesPerSecond[threads] = best;
    state.counters["threads"] = threads;
    state.counters["files/s"] = best;
}
// 0: every core.
BENCHMARK(BM_RenderRandomCodesToPng)->Arg(1)->Arg(0)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

std::vector<double> processMilliseconds;

// Runs vantrell-render with arguments once an iteration, timing each run from start to exit into milliseconds.
void timeRuns(benchmark::State& state, const QStringList& arguments, std::vector<double>& milliseconds)
{
    milliseconds.clear();
    for (auto _ : state) {
        QProcess process;
        const auto start = std::chrono::steady_clock::now();
        process.start(QStringLiteral(VANTRELL_RENDER_PATH), arguments);
        process.waitForFinished();
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        if (process.exitCode() != 0)
            state.SkipWithError(process.readAllStandardError().constData());
        state.SetIterationTime(wall.count());
        milliseconds.push_back(wall.count() * 1e3);
    }
}

// A full tree of wide pens, the costliest window-sized picture there is.
void BM_RenderProcessStartToExit(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("tree.gen"));
    GeneFileWriter::Save(PictureCodes::wideTree(), input);
    const QStringList arguments { input, QStringLiteral("-o"), folder.filePath(QStringLiteral("tree.png")) };
    timeRuns(state, arguments, processMilliseconds);
}
BENCHMARK(BM_RenderProcessStartToExit)->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);

std::vector<double> thumbnailMilliseconds;

// What a file manager waits for: the thumbnailer as it runs it, a full tree of wide pens fitted into 256 x 256.
void BM_ThumbnailProcessStartToExit(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("tree.gen"));
    GeneFileWriter::Save(PictureCodes::wideTree(), input);
    const QStringList arguments { QStringLiteral("--thumbnail"), QStringLiteral("256"), input,
        folder.filePath(QStringLiteral("thumbnail.png")) };
    timeRuns(state, arguments, thumbnailMilliseconds);
}
BENCHMARK(BM_ThumbnailProcessStartToExit)->Iterations(60)->UseManualTime()->Unit(benchmark::kMillisecond);

const bool renderSummary = (BenchSummary::add([](const std::map<std::string, double>&) {
    const int cores = ParallelRun::threadCount(0);
    const auto one = filesPerSecond.find(1);
    const auto all = filesPerSecond.find(cores);
    if (one != filesPerSecond.end() && all != filesPerSecond.end() && one->second > 0) {
        const double ratio = all->second / one->second;
        std::printf("vantrell-render, %d random codes to PNG in %s: 1 thread %.0f files/s, %d threads %.0f files/s = "
                    "%.2f x one thread (target >= %.2f)\n",
            CodeCount, qPrintable(QFileInfo(memoryFolderTemplate(QStringLiteral("bench"))).path()), one->second, cores,
            all->second, ratio, 0.9 * cores);
    }
    if (!processMilliseconds.empty())
        std::printf("vantrell-render process, one full tree to PNG, start to exit: median %.1f ms (target <= 60 ms)\n",
            median(processMilliseconds));
    if (!thumbnailMilliseconds.empty())
        std::printf(
            "thumbnailer process, a full wide-pen tree at 256, start to exit: median %.1f ms (target <= 50 ms)\n",
            median(thumbnailMilliseconds));
}),
    true);

} // namespace
