// A run of 1000 full trees written as a web page on every core: the time it takes, and the size of its index.html.

#include "core/webpage/WebPage.h"
#include "harness/BenchSummary.h"
#include "harness/CpuClock.h"
#include "harness/MemoryFolder.h"
#include "support/PictureCodes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

constexpr int RunPictures = 1000;
// A run bred in litters: each picture of a litter from two of the litter before.
constexpr int WebLitter = 20;

std::vector<PictureRecord> fullTreeRun()
{
    std::vector<PictureRecord> run;
    for (int i = 0; i < RunPictures; ++i) {
        GeneticCode code = PictureCodes::seededTree(static_cast<unsigned>(i));
        // Every segment of all twelve levels drawn.
        for (clsGene& gene : code)
            gene.Done = false;
        const int litter = i / WebLitter;
        const BirthRecord birth = litter == 0
            ? BirthRecord::fromBreeding({}, 0.05)
            : BirthRecord::fromBreeding({ static_cast<qint16>((litter - 1) * WebLitter + i % 7),
                                            static_cast<qint16>((litter - 1) * WebLitter + 7 + i % 11) },
                0.05);
        run.push_back({ static_cast<qint16>(i), {}, birth, code, true });
    }
    return run;
}

double bestSeconds = 0;
// The processor time of every thread together: on a machine shared with other work, what the run costs.
double bestProcessorSeconds = 0;
double indexBytes = 0;

void BM_WebPageOfARunOf1000FullTrees(benchmark::State& state)
{
    const std::vector<PictureRecord> run = fullTreeRun();
    const Drawing::RenderOptions options = WebPage::defaultOptions();
    for (auto _ : state) {
        QTemporaryDir parent(memoryFolderTemplate(QStringLiteral("web")));
        const QString folder = parent.filePath(QStringLiteral("page"));
        const auto start = std::chrono::steady_clock::now();
        const double processorStart = CpuClock::processMilliseconds();
        const WebPage::Outcome outcome = WebPage::writeRun(folder, run, options);
        const double processor = (CpuClock::processMilliseconds() - processorStart) / 1e3;
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(wall.count());
        if (!outcome.written || !outcome.leftOut.empty())
            state.SkipWithError("the page was not written whole");
        bestSeconds = bestSeconds > 0 ? std::min(bestSeconds, wall.count()) : wall.count();
        bestProcessorSeconds = bestProcessorSeconds > 0 ? std::min(bestProcessorSeconds, processor) : processor;
        indexBytes = static_cast<double>(QFileInfo(QDir(folder).filePath(QStringLiteral("index.html"))).size());
    }
    state.counters["threads"] = QThread::idealThreadCount();
    state.counters["index.html KB"] = indexBytes / 1024;
}
BENCHMARK(BM_WebPageOfARunOf1000FullTrees)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

const bool webPageSummary = (BenchSummary::add([](const std::map<std::string, double>&) {
    if (bestSeconds <= 0)
        return;
    const int cores = QThread::idealThreadCount();
    std::printf("web page of a run of %d full trees on %d threads: %.2f s (target at most 5 s), %.2f s of processor "
                "time, %.2f s for each core; index.html %.0f KB (target at most 1024 KB)\n",
        RunPictures, cores, bestSeconds, bestProcessorSeconds, bestProcessorSeconds / cores, indexBytes / 1024);
}),
    true);

} // namespace
