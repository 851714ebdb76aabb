// What the Breed window costs: a new generation of full wide-pen trees from the key press to every cell painted, 16
// cells at 200 x 200 pixels and 36 at 150 x 150; Back and Forward to a kept generation of 16; the memory a kept
// generation takes; and what the journal adds to a generation of 16, in time and in bytes.

#include "core/breeding/Generations.h"
#include "core/breeding/Offspring.h"
#include "core/journal/Journal.h"
#include "harness/BenchSummary.h"
#include "harness/Samples.h"
#include "program/Preferences.h"
#include "support/PictureCodes.h"
#include "ui/breed/BreedGrid.h"
#include "ui/breed/BreedWindow.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int KeptGenerations = 200;

// Wall time, and the processor time of every thread of the program, which other work on a busy machine does not
// stretch: on two cores of their own the cells could be drawn in half of it.
struct Samples {
    std::vector<double> wall;
    std::vector<double> cpu;
};
Samples sixteen;
Samples thirtySix;
Samples backForward;
double bytesPerGeneration16 = -1;
double bytesPerGeneration36 = -1;
std::vector<double> journalMilliseconds;
std::vector<double> plainAddMilliseconds;
double journalBytesPerGeneration = -1;

double processCpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) * 1e-3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Every cell of the wide tree: its parent, and offspring bred from it at rate 0.
std::vector<Offspring::Parent> wideTreeParent()
{
    return { { PictureCodes::wideTree(), -1, BirthRecord {} } };
}

// A Breed window whose cells are side pixels square, showing a first generation bred from the wide tree at rate 0.
class WideTreeBreeding {
public:
    WideTreeBreeding(int gridSide, int cellPixels)
        : window(generations, {})
    {
        Preferences::change([gridSide](UserSettings& settings) { settings.breedGrid = gridSide; });
        window.spnRate->setValue(0.0);
        // Cells and the gaps around them.
        const int gap = 6;
        window.picGrid->setFixedSize(
            gridSide * cellPixels + (gridSide + 1) * gap, gridSide * cellPixels + (gridSide + 1) * gap);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::fprintf(stderr, "BreedBench: the Breed window was never exposed\n");
        window.breedFrom(wideTreeParent());
        waitForCells();
    }

    ~WideTreeBreeding()
    {
        Preferences::change([](UserSettings& settings) { settings.breedGrid = DefaultGridSide; });
    }

    void waitForCells()
    {
        while (!window.picGrid->allDrawn())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window.picGrid->repaint();
    }

    // Milliseconds from the key press to every cell painted, kept in samples; gives the wall time in seconds.
    double timeKey(Samples& samples, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const double cpuStart = processCpuMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(window.picGrid, key, modifiers);
        waitForCells();
        samples.wall.push_back(millisecondsSince(start));
        samples.cpu.push_back(processCpuMilliseconds() - cpuStart);
        return samples.wall.back() / 1e3;
    }

    Generations generations;
    BreedWindow window;
};

void timeNewGenerations(benchmark::State& state, int gridSide, int cellPixels, Samples& samples)
{
    WideTreeBreeding breeding(gridSide, cellPixels);
    samples = {};
    for (auto _ : state)
        // The first cell, the wide tree, has the focus: Enter breeds its offspring.
        state.SetIterationTime(breeding.timeKey(samples, Qt::Key_Return));
}

void BM_BreedNewGeneration16At200(benchmark::State& state)
{
    timeNewGenerations(state, 4, 200, sixteen);
}
BENCHMARK(BM_BreedNewGeneration16At200)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_BreedNewGeneration36At150(benchmark::State& state)
{
    timeNewGenerations(state, 6, 150, thirtySix);
}
BENCHMARK(BM_BreedNewGeneration36At150)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

void BM_BreedBackAndForward16(benchmark::State& state)
{
    WideTreeBreeding breeding(4, 200);
    Samples first;
    breeding.timeKey(first, Qt::Key_Return);
    backForward = {};
    bool back = true;
    for (auto _ : state) {
        state.SetIterationTime(breeding.timeKey(backForward, back ? Qt::Key_Left : Qt::Key_Right, Qt::AltModifier));
        back = !back;
    }
}
BENCHMARK(BM_BreedBackAndForward16)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

// The heap the kept generations take, as the allocator counts it, divided among them.
double heapBytesPerGeneration(int gridSide)
{
    SeededRandomSource random(7);
    const std::size_t before = mallinfo2().uordblks;
    Generations generations;
    for (int i = 0; i < KeptGenerations; ++i)
        generations.add(Offspring::breed(wideTreeParent(), BreedOptions {}, gridSide, {}, random));
    return static_cast<double>(mallinfo2().uordblks - before) / KeptGenerations;
}

void BM_BreedMemoryPerGeneration(benchmark::State& state)
{
    for (auto _ : state) {
        bytesPerGeneration16 = heapBytesPerGeneration(4);
        bytesPerGeneration36 = heapBytesPerGeneration(6);
    }
}
BENCHMARK(BM_BreedMemoryPerGeneration)->Iterations(1)->Unit(benchmark::kMillisecond);

// Generations of 16 added one after another, without and with the journal following them.
void timeAdds(std::vector<double>& samples, Journal* journal)
{
    Generations generations;
    if (journal)
        journal->follow(generations);
    SeededRandomSource random(11);
    samples.clear();
    for (int i = 0; i < KeptGenerations; ++i) {
        Generation generation = Offspring::breed(wideTreeParent(), BreedOptions {}, 4, {}, random);
        const auto start = std::chrono::steady_clock::now();
        generations.add(std::move(generation));
        samples.push_back(millisecondsSince(start));
    }
}

void BM_BreedJournalPerGeneration(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir data;
        timeAdds(plainAddMilliseconds, nullptr);
        Journal journal(data.filePath(QStringLiteral("runs")), QDateTime::currentDateTime());
        timeAdds(journalMilliseconds, &journal);
        // The first record of a journal is the run's own.
        journalBytesPerGeneration = static_cast<double>(QFileInfo(journal.path()).size()) / KeptGenerations;
    }
}
BENCHMARK(BM_BreedJournalPerGeneration)->Iterations(1)->Unit(benchmark::kMillisecond);

void printCells(const char* what, const Samples& samples, double target)
{
    if (samples.wall.empty())
        return;
    std::printf("breed window, %s: median %.2f ms, processor time of all threads %.2f ms, so at least %.2f ms on two "
                "idle cores (target at most %.0f ms)\n",
        what, median(samples.wall), median(samples.cpu), median(samples.cpu) / 2, target);
}

const bool breedSummary = (BenchSummary::add([](const std::map<std::string, double>&) {
    printCells("new generation of 16 full wide-pen trees at 200 x 200 px, key to every cell painted", sixteen, 16);
    printCells("new generation of 36 at 150 x 150 px", thirtySix, 33);
    printCells("Back and Forward to a kept generation of 16", backForward, 16);
    if (bytesPerGeneration16 >= 0)
        std::printf("breed window, memory per kept generation: %.1f KB of 16 cells, %.1f KB of 36 (target at most 20 "
                    "KB)\n",
            bytesPerGeneration16 / 1024, bytesPerGeneration36 / 1024);
    if (!journalMilliseconds.empty())
        std::printf("breed window, journal per generation of 16: %.3f ms added (median %.3f ms against %.3f ms), "
                    "%.1f KB (targets at most 1 ms and 12 KB)\n",
            median(journalMilliseconds) - median(plainAddMilliseconds), median(journalMilliseconds),
            median(plainAddMilliseconds), journalBytesPerGeneration / 1024);
}),
    true);

} // namespace
