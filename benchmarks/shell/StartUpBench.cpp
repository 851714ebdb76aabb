// What files on the command line add to the start-up: the main window made and shown alone, with nine full wide-pen
// trees opened after it, and nine Opens of the same tree, each from a fresh run.

#include "core/genefile/GeneFileWriter.h"
#include "harness/BenchSummary.h"
#include "harness/OpenSession.h"
#include "harness/Samples.h"
#include "support/PictureCodes.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/picture/FormWindow.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int StartUpFiles = 9;

std::vector<double> aloneMilliseconds;
std::vector<double> withFilesMilliseconds;
std::vector<double> nineOpensMilliseconds;

// The nine files, each a full tree of wide pens under a name of its own.
class NineTrees {
public:
    NineTrees()
    {
        for (int i = 0; i < StartUpFiles; ++i) {
            names.append(folder.filePath(QStringLiteral("tree-%1.gen").arg(i)));
            GeneFileWriter::Save(PictureCodes::wideTree(), names.back());
        }
    }

    QTemporaryDir folder;
    QStringList names;
};

// A fresh run each time: the main window made, shown and then whatever afterShown does, until everything is drawn
// and shown; the run is cleared away afterwards, untimed.
void timeStartUp(benchmark::State& state, std::vector<double>& samples, const std::function<void(frmMain&)>& afterShown)
{
    samples.clear();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        {
            frmMain window([] {});
            installPictureWindows(window.commands());
            window.show();
            afterShown(window);
            OpenSession::showPending();
            const double ms = millisecondsSince(start);
            state.SetIterationTime(ms / 1e3);
            samples.push_back(ms);
            OpenSession::startAfresh();
        }
        Dialogs::DestroyAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void BM_StartUpAlone(benchmark::State& state)
{
    timeStartUp(state, aloneMilliseconds, [](frmMain&) {});
}
BENCHMARK(BM_StartUpAlone)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

void BM_StartUpWithNineFiles(benchmark::State& state)
{
    const NineTrees trees;
    timeStartUp(state, withFilesMilliseconds, [&](frmMain& window) { window.OpenFiles(trees.names); });
}
BENCHMARK(BM_StartUpWithNineFiles)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

// Nine Opens of a full tree typed into the name box, each picture drawn and shown.
void BM_NineOpensOfAFullTree(benchmark::State& state)
{
    OpenSession session;
    nineOpensMilliseconds.clear();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < StartUpFiles; ++i) {
            session.clickOpen();
            OpenSession::showPending();
        }
        const double ms = millisecondsSince(start);
        state.SetIterationTime(ms / 1e3);
        nineOpensMilliseconds.push_back(ms);
        OpenSession::startAfresh();
    }
}
BENCHMARK(BM_NineOpensOfAFullTree)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

const bool startUpSummary = (BenchSummary::add([](const std::map<std::string, double>&) {
    if (aloneMilliseconds.empty() || withFilesMilliseconds.empty() || nineOpensMilliseconds.empty())
        return;
    const double alone = median(aloneMilliseconds);
    const double opens = median(nineOpensMilliseconds);
    std::printf("start-up with %d full trees on the command line: median %.1f ms (target <= start-up alone %.1f ms + "
                "%d x Open %.1f ms + 10 ms = %.1f ms)\n",
        StartUpFiles, median(withFilesMilliseconds), alone, StartUpFiles, opens / StartUpFiles, alone + opens + 10);
}),
    true);

} // namespace
