// What one Open costs: the time from the Open button's click to the drawn picture, and the memory a picture keeps.

#include "harness/BenchSummary.h"
#include "harness/CpuClock.h"
#include "harness/OpenSession.h"
#include "harness/ResidentMemory.h"
#include "harness/Samples.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

// Milliseconds per Open, filled by the benchmarks and printed with the summary.
std::vector<double> wallMilliseconds;
std::vector<double> cpuMilliseconds;
double closedPictureBytes = -1;
double openPictureBytes = -1;

void BM_OpenFullTreeFromFile(benchmark::State& state)
{
    OpenSession session;
    wallMilliseconds.clear();
    cpuMilliseconds.clear();
    for (auto _ : state) {
        const double cpuStart = CpuClock::threadMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        session.clickOpen();
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        const double cpu = CpuClock::threadMilliseconds() - cpuStart;
        state.SetIterationTime(wall.count());
        wallMilliseconds.push_back(wall.count() * 1e3);
        cpuMilliseconds.push_back(cpu);

        OpenSession::showPending();
        OpenSession::startAfresh();
    }
}
BENCHMARK(BM_OpenFullTreeFromFile)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

// Each of 1000 Opens closed with Done: what a closed picture keeps in the registry.
void BM_ClosedPictureMemory(benchmark::State& state)
{
    constexpr int warmUp = 100;
    constexpr int measured = 1000;
    OpenSession session;
    for (auto _ : state) {
        for (int i = 0; i < warmUp; ++i)
            session.openAndClose();
        const double before = ResidentMemory::bytes();
        for (int i = 0; i < measured; ++i)
            session.openAndClose();
        closedPictureBytes = (ResidentMemory::bytes() - before) / measured;
    }
    state.counters["bytes per closed picture"] = closedPictureBytes;
}
BENCHMARK(BM_ClosedPictureMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// 200 pictures open at once, after a few already open: what an open picture and its window take.
void BM_OpenPictureMemory(benchmark::State& state)
{
    constexpr int warmUp = 20;
    constexpr int measured = 200;
    OpenSession session;
    for (auto _ : state) {
        for (int i = 0; i < warmUp; ++i) {
            session.clickOpen();
            OpenSession::showPending();
        }
        const double before = ResidentMemory::bytes();
        for (int i = 0; i < measured; ++i) {
            session.clickOpen();
            OpenSession::showPending();
        }
        openPictureBytes = (ResidentMemory::bytes() - before) / measured;
    }
    state.counters["bytes per open picture"] = openPictureBytes;
}
BENCHMARK(BM_OpenPictureMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

const bool openSummary = (BenchSummary::add([](const std::map<std::string, double>&) {
    printMilliseconds("open latency", wallMilliseconds);
    printMilliseconds("open cpu time", cpuMilliseconds);
    if (closedPictureBytes >= 0)
        std::printf("closed picture: %.0f bytes\n", closedPictureBytes);
    if (openPictureBytes >= 0)
        std::printf("open picture: %.0f bytes\n", openPictureBytes);
}),
    true);

} // namespace
