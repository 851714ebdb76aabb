// What breeding by litters costs: a litter of nine against single Opens, and the family tree of a long run.

#include "harness/BenchSummary.h"
#include "harness/OpenSession.h"
#include "harness/RandomRun.h"
#include "harness/Samples.h"
#include "ui/familytree/FamilyTreeWindow.h"

#include <QCoreApplication>
#include <QTest>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int LitterSize = 9;
constexpr int RunSize = 1000;

std::vector<double> litterMilliseconds;
std::vector<double> singleMilliseconds;
std::vector<double> treeShownMilliseconds;
std::vector<double> treeAddMilliseconds;
std::vector<double> treeThumbnailsMilliseconds;
std::vector<double> treeZoomedOutMilliseconds;

// From the command to every child drawn and shown, one ticked parent with a full wide-pen tree.
template <typename Command> void timeBreeding(benchmark::State& state, std::vector<double>& samples, Command command)
{
    OpenSession session;
    samples.clear();
    for (auto _ : state) {
        OpenSession::startAfresh();
        session.breedFromTickedTree();
        OpenSession::showPending();
        const auto start = std::chrono::steady_clock::now();
        command(session);
        OpenSession::showPending();
        const double ms = millisecondsSince(start);
        state.SetIterationTime(ms / 1e3);
        samples.push_back(ms);
    }
}

void BM_SingleOpenFromTickedParent(benchmark::State& state)
{
    timeBreeding(state, singleMilliseconds, [](OpenSession& session) { session.clickOpen(); });
}
BENCHMARK(BM_SingleOpenFromTickedParent)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

void BM_LitterOfNineFromTickedParent(benchmark::State& state)
{
    timeBreeding(state, litterMilliseconds, [](OpenSession& session) { session.window.OpenLitter(LitterSize); });
}
BENCHMARK(BM_LitterOfNineFromTickedParent)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

// The family tree of a run of a thousand pictures: shown and painted once, then one picture more.
void BM_FamilyTreeOfAThousand(benchmark::State& state)
{
    treeShownMilliseconds.clear();
    treeAddMilliseconds.clear();
    for (auto _ : state) {
        RunHistory history;
        fillRandomRun(history, RunSize);
        const auto start = std::chrono::steady_clock::now();
        FamilyTreeWindow tree(history, {});
        tree.show();
        if (!QTest::qWaitForWindowExposed(&tree))
            std::fprintf(stderr, "PicturesBench: the family tree was never exposed\n");
        tree.viewport()->repaint();
        const double shown = millisecondsSince(start);
        state.SetIterationTime(shown / 1e3);
        treeShownMilliseconds.push_back(shown);
        // The thumbnails in sight are drawn off the painting thread; when the last of them is there.
        const auto deadline = start + std::chrono::seconds(10);
        while (!tree.visibleThumbnailsComplete() && std::chrono::steady_clock::now() < deadline)
            QCoreApplication::processEvents();
        treeThumbnailsMilliseconds.push_back(millisecondsSince(start));

        // Whatever the first paint left to do is done before the picture comes.
        QCoreApplication::processEvents();
        RunHistory more;
        fillRandomRun(more, 1, RunSize);
        const auto addStart = std::chrono::steady_clock::now();
        history.opened(more.pictures().front());
        QCoreApplication::processEvents();
        treeAddMilliseconds.push_back(millisecondsSince(addStart));

        // Zoomed out until every picture is in sight, each with its thumbnail: one frame.
        tree.completeThumbnails();
        tree.fitInView(tree.sceneRect(), Qt::KeepAspectRatio);
        QCoreApplication::processEvents();
        const auto zoomedStart = std::chrono::steady_clock::now();
        tree.viewport()->repaint();
        treeZoomedOutMilliseconds.push_back(millisecondsSince(zoomedStart));
    }
}
BENCHMARK(BM_FamilyTreeOfAThousand)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

const bool picturesSummary = (BenchSummary::add([](const std::map<std::string, double>&) {
    printMilliseconds("single open from a ticked parent", singleMilliseconds);
    printMilliseconds("litter of nine from a ticked parent", litterMilliseconds);
    if (!singleMilliseconds.empty() && !litterMilliseconds.empty())
        std::printf("litter of nine against 9 x single open + 5 ms: %.2f ms against %.2f ms\n",
            median(litterMilliseconds), 9 * median(singleMilliseconds) + 5);
    printMilliseconds("family tree of 1000 pictures, shown and painted", treeShownMilliseconds);
    printMilliseconds("family tree of 1000 pictures, thumbnails in sight drawn", treeThumbnailsMilliseconds);
    printMilliseconds("family tree of 1000 pictures, one more added and shown", treeAddMilliseconds);
    printMilliseconds("family tree of 1000 pictures, all in sight, one frame", treeZoomedOutMilliseconds);
}),
    true);

} // namespace
