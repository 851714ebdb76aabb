// What animation costs: one frame of a morph between two full wide-pen trees as the Animation window draws it,
// and a 61-frame export at scale 4 as animated WebP and GIF.

#include "core/animation/FrameTiming.h"
#include "core/animation/InBetween.h"
#include "core/animation/Morph.h"
#include "core/export/AnimationRender.h"
#include "core/export/RasterRender.h"
#include "harness/BenchSummary.h"
#include "support/PictureCodes.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

const QColor morphBackground(239, 239, 239);
constexpr QSize morphView { 1000, 1000 };
// Two pictures, two seconds apart at 30 frames a second: 61 frames.
constexpr double ExportSecondsPerStep = 2.0;
constexpr int ExportFramesPerSecond = 30;
const Drawing::RenderOptions morphExportOptions { 4, Drawing::Frame::Window, true, morphBackground };

double webpBytes = 0;
double gifBytes = 0;

// Every trait of every gene other than the wide tree's: shorter, wider, bent the other way, in other colours,
// done and not drawn, neither of which counts with Done and Draw switched off: both trees draw all 4095 segments.
GeneticCode otherWideTree()
{
    GeneticCode code = PictureCodes::wideTree();
    for (int i = 0; i < GeneCount; ++i) {
        clsGene& gene = code[static_cast<std::size_t>(i)];
        gene.Length = static_cast<qint16>(380 - 28 * i);
        gene.Width = static_cast<qint16>(gene.Width + 4);
        gene.Angle = -0.3 - 0.04 * i;
        gene.ColorRed = static_cast<qint16>(255 - 20 * i);
        gene.ColorGreen = static_cast<qint16>(10 + 20 * i);
        gene.ColorBlue = 40;
        gene.Done = true;
        gene.Draw = false;
    }
    return code;
}

const Morph& wideMorph()
{
    static const Morph morph({ PictureCodes::wideTree(), otherWideTree() }, Drawing::Flags { false, false });
    return morph;
}

// The in-between code and its drawing at 1000 x 1000 pixels, smooth, a different t each time.
void BM_MorphFrame1000(benchmark::State& state)
{
    const Morph& morph = wideMorph();
    int frame = 0;
    for (auto _ : state) {
        const double t = (frame++ % 60) / 60.0;
        const GeneticCode code = InBetween::code(morph.codes()[0], morph.codes()[1], t);
        const QImage image = Drawing::renderFitted(code, morph.flags(),
            { .shown = { Drawing::WindowFrame, true }, .pixels = morphView, .background = morphBackground });
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["segments"] = 4095;
}
BENCHMARK(BM_MorphFrame1000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void exportMorph(benchmark::State& state, Drawing::AnimationFormat format, double& bytes)
{
    const FrameTiming timing(2, ExportSecondsPerStep, ExportFramesPerSecond);
    for (auto _ : state) {
        const std::optional<QByteArray> file
            = Drawing::renderAnimation(format, wideMorph(), timing, morphExportOptions);
        bytes = file ? static_cast<double>(file->size()) : 0;
    }
    state.counters["frames"] = timing.loopLength();
    state.counters["bytes"] = bytes;
}

void BM_ExportWebP61FramesScale4(benchmark::State& state)
{
    exportMorph(state, Drawing::AnimationFormat::WebP, webpBytes);
}
BENCHMARK(BM_ExportWebP61FramesScale4)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

void BM_ExportGif61FramesScale4(benchmark::State& state)
{
    exportMorph(state, Drawing::AnimationFormat::Gif, gifBytes);
}
BENCHMARK(BM_ExportGif61FramesScale4)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

const bool animationSummary = (BenchSummary::add([](const std::map<std::string, double>& ns) {
    const auto find = [&ns](const char* name) {
        const auto it = ns.find(name);
        return it == ns.end() ? 0.0 : it->second;
    };
    if (find("BM_MorphFrame1000") > 0)
        std::printf("morph frame of two full wide-pen trees at 1000 x 1000 px, smooth: median %.1f ms (target at "
                    "most 8 ms)\n",
            find("BM_MorphFrame1000") / 1e6);
    if (webpBytes > 0)
        std::printf("animated WebP of 61 frames at scale 4 (452 x 420 px): %.2f s (target at most 5 s), %.0f KB\n",
            find("BM_ExportWebP61FramesScale4") / 1e9, webpBytes / 1024);
    if (gifBytes > 0)
        std::printf("animated GIF of 61 frames at scale 4 (452 x 420 px): %.2f s (target at most 3 s), %.0f KB\n",
            find("BM_ExportGif61FramesScale4") / 1e9, gifBytes / 1024);
}),
    true);

} // namespace
