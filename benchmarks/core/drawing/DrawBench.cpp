// How much the recursive drawing costs beyond the lines it draws, and what a random code costs.

#include "core/drawing/ImageSurface.h"
#include "core/platform/RandomSource.h"
#include "harness/BareLines.h"
#include "harness/BenchSummary.h"
#include "program/clsObject.h"
#include "program/modMain.h"
#include "support/PictureCodes.h"
#include "support/SurfaceWindow.h"

#include <QPainter>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

constexpr QSize drawingArea { 1695, 1575 };

void BM_DrawLineFullTree(benchmark::State& state)
{
    modMain::InitMain();
    PictureWindow::SetFactory(
        [] { return std::make_unique<SurfaceWindow<ImageSurface>>(drawingArea, 1.0, Qt::white); });
    clsObject picture;
    picture.GenCode().SetCode(PictureCodes::wideTree());
    DrawingSurface& surface = picture.Display().Surface();
    for (auto _ : state) {
        surface.Clear();
        picture.Draw_Line(0, clsObject::StartAngle, clsObject::StartX, clsObject::StartY, 1.0);
        surface.Finish();
    }
    state.counters["segments"] = 4095;
}
BENCHMARK(BM_DrawLineFullTree)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The recursion alone, onto a surface that draws nothing.
void BM_DrawLineRecursionOnly(benchmark::State& state)
{
    class NoSurface final : public DrawingSurface {
    public:
        void Clear() override { }
        void SetPenWidth(int) override { }
        void Line(float, float, float, float, int) override { }
    };
    modMain::InitMain();
    PictureWindow::SetFactory([] { return std::make_unique<SurfaceWindow<NoSurface>>(); });
    clsObject picture;
    picture.GenCode().SetCode(PictureCodes::wideTree());
    for (auto _ : state)
        picture.Draw_Line(0, clsObject::StartAngle, clsObject::StartX, clsObject::StartY, 1.0);
}
BENCHMARK(BM_DrawLineRecursionOnly)->Unit(benchmark::kMicrosecond);

void BM_BareQPainterLines(benchmark::State& state)
{
    const std::vector<LineRecord> lines = recordLines(PictureCodes::wideTree());

    QImage image(113, 105, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(1.0 / 15, 1.0 / 15);
        paintBareLines(painter, lines);
    }
    state.counters["segments"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_BareQPainterLines)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_RandomGeneticCode(benchmark::State& state)
{
    GeneticCode code;
    ClockRandomSource random;
    for (auto _ : state) {
        for (clsGene& gene : code)
            gene.Random(random);
        benchmark::DoNotOptimize(code[11].Length);
    }
}
BENCHMARK(BM_RandomGeneticCode)->Unit(benchmark::kMicrosecond);

const bool drawSummary = (BenchSummary::add([](const std::map<std::string, double>& ns) {
    const auto tree = ns.find("BM_DrawLineFullTree");
    const auto bare = ns.find("BM_BareQPainterLines");
    if (tree != ns.end() && bare != ns.end() && bare->second > 0)
        std::printf("draw ratio: %.3f\n", tree->second / bare->second);
}),
    true);

} // namespace
