// What the journal costs: the Open command with and without it, a long run's journal, and listing kept runs.

#include "core/journal/Journal.h"
#include "core/journal/JournalFolder.h"
#include "harness/BenchSummary.h"
#include "harness/OpenSession.h"
#include "harness/RandomRun.h"
#include "harness/Samples.h"
#include "ui/recovery/RecoverRunDialog.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int RunSize = 1000;
constexpr int KeptRuns = 20;

std::vector<double> withJournal;
std::vector<double> withoutJournal;
double journalBytes = -1;
std::vector<double> listingMilliseconds;

void timeOpen(benchmark::State& state, std::vector<double>& samples, bool journal)
{
    OpenSession session;
    QTemporaryDir data;
    std::optional<Journal> kept;
    if (journal) {
        kept.emplace(data.filePath(QStringLiteral("runs")), QDateTime::currentDateTime());
        session.window.AttachJournal(*kept);
    }
    samples.clear();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        session.clickOpen();
        const double ms = millisecondsSince(start);
        state.SetIterationTime(ms / 1e3);
        samples.push_back(ms);
        OpenSession::showPending();
        OpenSession::startAfresh();
    }
}

void BM_OpenWithoutJournal(benchmark::State& state)
{
    timeOpen(state, withoutJournal, false);
}
BENCHMARK(BM_OpenWithoutJournal)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_OpenWithJournal(benchmark::State& state)
{
    timeOpen(state, withJournal, true);
}
BENCHMARK(BM_OpenWithJournal)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

// Twenty earlier runs of a thousand pictures each, then the Recover Run dialog listing them.
void BM_ListTwentyRunsOfAThousand(benchmark::State& state)
{
    QTemporaryDir data;
    const QString runs = data.filePath(QStringLiteral("runs"));
    for (int run = 0; run < KeptRuns; ++run) {
        RunHistory history;
        Journal journal(runs, QDateTime(QDate(2026, 12, 1), QTime(8, 0)).addSecs(60 * run));
        journal.follow(history);
        fillRandomRun(history, RunSize);
        history.ending(RunEnding::Exit);
        if (run == 0)
            journalBytes = static_cast<double>(QFileInfo(journal.path()).size());
    }
    listingMilliseconds.clear();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        RecoverRunDialog dialog(runs, {}, [](const RunJournal&, bool) {});
        dialog.show();
        const double ms = millisecondsSince(start);
        if (dialog.runs().size() != KeptRuns)
            state.SkipWithError("not every run was listed");
        state.SetIterationTime(ms / 1e3);
        listingMilliseconds.push_back(ms);
    }
}
BENCHMARK(BM_ListTwentyRunsOfAThousand)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

const bool journalSummary = (BenchSummary::add([](const std::map<std::string, double>&) {
    printMilliseconds("open without the journal", withoutJournal);
    printMilliseconds("open with the journal", withJournal);
    if (!withJournal.empty() && !withoutJournal.empty())
        std::printf("the journal adds %.3f ms to the median open (target at most 0.5 ms)\n",
            median(withJournal) - median(withoutJournal));
    if (journalBytes >= 0)
        std::printf("journal of %d pictures: %.2f MB (target at most 4 MB)\n", RunSize, journalBytes / 1e6);
    printMilliseconds("listing 20 runs of 1000 pictures", listingMilliseconds);
}),
    true);

} // namespace
