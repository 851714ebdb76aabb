// What an album of 10,000 full trees costs: the first screen of thumbnails with an empty cache and a full one, every
// thumbnail made and cached, a frame of scrolling, the memory held, and a sort by likeness.

#include "core/album/AlbumModel.h"
#include "core/genefile/GeneFileWriter.h"
#include "harness/BenchSummary.h"
#include "harness/MemoryFolder.h"
#include "harness/ResidentMemory.h"
#include "harness/Samples.h"
#include "ui/album/AlbumView.h"
#include "ui/album/AlbumWindow.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int AlbumFiles = 10000;

// Seeded random codes of which every gene is drawn: 4095 segments each.
class FullTreeFolder {
public:
    FullTreeFolder()
    {
        std::mt19937 random(20240611);
        const auto below = [&](int n) { return static_cast<qint16>(random() % static_cast<unsigned>(n)); };
        for (int i = 0; i < AlbumFiles; ++i) {
            GeneticCode code;
            for (clsGene& gene : code)
                gene = { below(1000), static_cast<qint16>(1 + below(16)), (random() % 62832) / 10000.0, below(256),
                    below(256), below(256), false, true };
            GeneFileWriter::Save(code, codes.filePath(QStringLiteral("tree-%1.gen").arg(i, 5, 10, QLatin1Char('0'))));
        }
    }

    QTemporaryDir codes { memoryFolderTemplate(QStringLiteral("album")) };
    // Filled by the benchmark that makes every thumbnail, read by those that want a full cache.
    QTemporaryDir fullCache { memoryFolderTemplate(QStringLiteral("album")) };
};

FullTreeFolder& fullTrees()
{
    static FullTreeFolder folder;
    return folder;
}

// An album of the full trees, its thumbnails cached under cacheHome, shown at the size it first opens at.
std::unique_ptr<AlbumWindow> openAlbum(const QString& cacheHome)
{
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome));
    auto window = std::make_unique<AlbumWindow>(fullTrees().codes.path(), RunCommands {});
    window->show();
    return window;
}

// Whether every file in sight shows its thumbnail.
bool firstScreenShown(AlbumWindow& window)
{
    if (window.album().rowCount() < AlbumFiles)
        return false;
    const auto [first, last] = window.lstAlbum->visibleRows();
    for (int row = first; row <= last; ++row) {
        const int file = window.rows().mapToSource(window.rows().index(row, 0)).row();
        if (!window.album().images().contains(window.album().file(file).path))
            return false;
    }
    return last >= first;
}

bool waitFor(const std::function<bool()>& done, int seconds)
{
    return QTest::qWaitFor(done, seconds * 1000);
}

void closeAlbum(std::unique_ptr<AlbumWindow>& window)
{
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("XDG_CACHE_HOME");
}

std::vector<double> emptyCacheMilliseconds;
std::vector<double> fullCacheMilliseconds;
std::vector<double> scrollMilliseconds;
std::vector<double> likenessMilliseconds;
double allMadeSeconds = -1;
double albumBytes = -1;
double albumBytesScrolled = -1;
qsizetype imagesHeld = 0;
double imageBytesHeld = 0;

// Every thumbnail made and cached in the background from an empty cache, the window open at its first screen.
void BM_AlbumAllThumbnailsMade(benchmark::State& state)
{
    FullTreeFolder& folder = fullTrees();
    const double before = ResidentMemory::bytes();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<AlbumWindow> window = openAlbum(folder.fullCache.path());
        if (!waitFor([&] { return window->album().rowCount() == AlbumFiles && window->album().settled(); }, 600))
            state.SkipWithError("the thumbnails were not all made within ten minutes");
        allMadeSeconds = millisecondsSince(start) / 1e3;
        state.SetIterationTime(allMadeSeconds);
        albumBytes = ResidentMemory::bytes() - before;
        // Through every row as a user would scroll, page by page, each page's thumbnails decoded and shown.
        QScrollBar* scroll = window->lstAlbum->verticalScrollBar();
        for (int at = 0; at <= scroll->maximum(); at += scroll->pageStep()) {
            scroll->setValue(at);
            waitFor([&] { return firstScreenShown(*window); }, 10);
        }
        albumBytesScrolled = ResidentMemory::bytes() - before;
        imagesHeld = window->album().images().count();
        imageBytesHeld = static_cast<double>(window->album().images().bytes());
        closeAlbum(window);
    }
}
BENCHMARK(BM_AlbumAllThumbnailsMade)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// From the window made to every thumbnail in sight shown: the folder listed, the rows laid out, the thumbnails
// read from the cache (full) or drawn and written to it (empty).
void firstScreen(benchmark::State& state, bool full, std::vector<double>& milliseconds)
{
    milliseconds.clear();
    for (auto _ : state) {
        const QTemporaryDir empty(memoryFolderTemplate(QStringLiteral("album")));
        const auto start = std::chrono::steady_clock::now();
        std::unique_ptr<AlbumWindow> window = openAlbum(full ? fullTrees().fullCache.path() : empty.path());
        if (!waitFor([&] { return firstScreenShown(*window); }, 60))
            state.SkipWithError("the first screen was not shown within a minute");
        milliseconds.push_back(millisecondsSince(start));
        state.SetIterationTime(milliseconds.back() / 1e3);
        closeAlbum(window);
    }
}

void BM_AlbumFirstScreenFullCache(benchmark::State& state)
{
    firstScreen(state, true, fullCacheMilliseconds);
}
BENCHMARK(BM_AlbumFirstScreenFullCache)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_AlbumFirstScreenEmptyCache(benchmark::State& state)
{
    firstScreen(state, false, emptyCacheMilliseconds);
}
BENCHMARK(BM_AlbumFirstScreenEmptyCache)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

// A row further down and the view painted again at once, as the next frame would be, the thumbnails cached.
void BM_AlbumScrollFrame(benchmark::State& state)
{
    std::unique_ptr<AlbumWindow> window = openAlbum(fullTrees().fullCache.path());
    waitFor([&] { return firstScreenShown(*window); }, 60);
    QScrollBar* scroll = window->lstAlbum->verticalScrollBar();
    scrollMilliseconds.clear();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        scroll->setValue(scroll->value() + window->lstAlbum->gridSize().height());
        window->lstAlbum->viewport()->repaint();
        scrollMilliseconds.push_back(millisecondsSince(start));
        state.SetIterationTime(scrollMilliseconds.back() / 1e3);
        // The thumbnails that came into sight arrive between frames.
        QCoreApplication::processEvents();
    }
    closeAlbum(window);
}
BENCHMARK(BM_AlbumScrollFrame)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

// Every code read, a file chosen, and the album sorted from it outwards.
void BM_AlbumSortByLikeness(benchmark::State& state)
{
    std::unique_ptr<AlbumWindow> window = openAlbum(fullTrees().fullCache.path());
    waitFor([&] { return window->album().rowCount() == AlbumFiles && window->album().settled(); }, 600);
    likenessMilliseconds.clear();
    int chosen = 0;
    for (auto _ : state) {
        window->lstAlbum->setCurrentIndex(window->rows().index(chosen, 0));
        chosen = (chosen + 997) % AlbumFiles;
        const auto start = std::chrono::steady_clock::now();
        window->S_Likeness->trigger();
        likenessMilliseconds.push_back(millisecondsSince(start));
        state.SetIterationTime(likenessMilliseconds.back() / 1e3);
    }
    closeAlbum(window);
}
BENCHMARK(BM_AlbumSortByLikeness)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

const bool albumSummary = (BenchSummary::add([](const std::map<std::string, double>&) {
    if (allMadeSeconds >= 0)
        std::printf("album of %d full trees: all thumbnails made and cached in %.1f s (target at most 8 s); "
                    "memory %.0f MB with the first screen, %.0f MB scrolled through, %lld thumbnails of %.0f MB held "
                    "(target at most 250 MB)\n",
            AlbumFiles, allMadeSeconds, albumBytes / 1e6, albumBytesScrolled / 1e6, static_cast<long long>(imagesHeld),
            imageBytesHeld / 1e6);
    if (!fullCacheMilliseconds.empty())
        std::printf("album, first screen of thumbnails: full cache median %.0f ms (target at most 100 ms), empty cache "
                    "median %.0f ms (target at most 300 ms)\n",
            median(fullCacheMilliseconds), emptyCacheMilliseconds.empty() ? -1.0 : median(emptyCacheMilliseconds));
    if (!scrollMilliseconds.empty())
        std::printf("album, a scroll frame: median %.2f ms, slowest %.2f ms (target at most 16 ms)\n",
            median(scrollMilliseconds), *std::max_element(scrollMilliseconds.begin(), scrollMilliseconds.end()));
    if (!likenessMilliseconds.empty())
        std::printf("album, sort by likeness: median %.1f ms (target at most 50 ms)\n", median(likenessMilliseconds));
}),
    true);

} // namespace
