// What the Breed window costs: a new generation of full wide-pen trees from the key press to every cell painted, 16
// cells at 200 x 200 pixels and 36 at 150 x 150; Back and Forward to a kept generation of 16; the memory a kept
// generation takes; and what the journal adds to a generation of 16, in time and in bytes.

#include "core/breeding/Generations.h"
#include "core/breeding/Offspring.h"
#include "core/journal/Journal.h"
#include "harness/BenchSummary.h"
#include "harness/OpenSession.h"
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
#include <vector>

namespace {

constexpr int KeptGenerations = 200;

std::vector<double> sixteenMilliseconds;
std::vector<double> thirtySixMilliseconds;
std::vector<double> backForwardMilliseconds;
double bytesPerGeneration16 = -1;
double bytesPerGeneration36 = -1;
std::vector<double> journalMilliseconds;
std::vector<double> plainAddMilliseconds;
double journalBytesPerGeneration = -1;

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
        Preferences::current().breedGrid = gridSide;
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

    ~WideTreeBreeding() { Preferences::current().breedGrid = DefaultGridSide; }

    void waitForCells()
    {
        while (!window.picGrid->allDrawn())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window.picGrid->repaint();
    }

    // Milliseconds from the key press to every cell painted.
    double timeKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(window.picGrid, key, modifiers);
        waitForCells();
        return millisecondsSince(start);
    }

    Generations generations;
    BreedWindow window;
};

void timeNewGenerations(benchmark::State& state, int gridSide, int cellPixels, std::vector<double>& samples)
{
    WideTreeBreeding breeding(gridSide, cellPixels);
    samples.clear();
    for (auto _ : state) {
        // The first cell, the wide tree, has the focus: Enter breeds its offspring.
        samples.push_back(breeding.timeKey(Qt::Key_Return));
        state.SetIterationTime(samples.back() / 1e3);
    }
}

void BM_BreedNewGeneration16At200(benchmark::State& state)
{
    timeNewGenerations(state, 4, 200, sixteenMilliseconds);
}
BENCHMARK(BM_BreedNewGeneration16At200)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_BreedNewGeneration36At150(benchmark::State& state)
{
    timeNewGenerations(state, 6, 150, thirtySixMilliseconds);
}
BENCHMARK(BM_BreedNewGeneration36At150)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

void BM_BreedBackAndForward16(benchmark::State& state)
{
    WideTreeBreeding breeding(4, 200);
    breeding.timeKey(Qt::Key_Return);
    backForwardMilliseconds.clear();
    bool back = true;
    for (auto _ : state) {
        backForwardMilliseconds.push_back(breeding.timeKey(back ? Qt::Key_Left : Qt::Key_Right, Qt::AltModifier));
        back = !back;
        state.SetIterationTime(backForwardMilliseconds.back() / 1e3);
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

const bool breedSummary = (BenchSummary::add([](const std::map<std::string, double>&) {
    if (!sixteenMilliseconds.empty())
        std::printf("breed window, new generation of 16 full wide-pen trees at 200 x 200 px, key to every cell "
                    "painted: median %.2f ms (target at most 16 ms)\n",
            median(sixteenMilliseconds));
    if (!thirtySixMilliseconds.empty())
        std::printf("breed window, new generation of 36 at 150 x 150 px: median %.2f ms (target at most 33 ms)\n",
            median(thirtySixMilliseconds));
    if (!backForwardMilliseconds.empty())
        std::printf("breed window, Back and Forward to a kept generation of 16: median %.2f ms (target at most 16 "
                    "ms)\n",
            median(backForwardMilliseconds));
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
