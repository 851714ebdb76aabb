// What a picture costs outside its window: the full wide-pen tree exported as PNG at scale 8 (drawing and
// encoding apart, the drawing against a bare QPainter loop), as SVG and as PDF, and the large view's redraw.

#include "core/drawing/FrameGeometry.h"
#include "core/export/PictureRender.h"
#include "core/export/RasterRender.h"
#include "core/export/VectorRender.h"
#include "harness/BareLines.h"
#include "harness/BenchSummary.h"
#include "support/PictureCodes.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

constexpr int ExportScale = 8;
const QColor background(239, 239, 239);
const Drawing::RenderOptions exportOptions { ExportScale, Drawing::Frame::Window, true, background };
constexpr QSize largeView { 1000, 1000 };

// Bytes of the last file each format gave, for the summary.
double pngBytes = 0;
double svgBytes = 0;
double pdfBytes = 0;

const GeneticCode& wideTree()
{
    static const GeneticCode code = PictureCodes::wideTree();
    return code;
}

void BM_ExportPngDrawScale8(benchmark::State& state)
{
    for (auto _ : state) {
        const QImage image = Drawing::renderImage(wideTree(), {}, exportOptions);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["segments"] = 4095;
}
BENCHMARK(BM_ExportPngDrawScale8)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same lines into the same image, without the recursion, the frame or the surface.
void BM_BareQPainterLinesScale8(benchmark::State& state)
{
    const std::vector<LineRecord> lines = recordLines(wideTree());
    const QSize size = Drawing::pixelSize(Drawing::WindowFrame, ExportScale);
    for (auto _ : state) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(background);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(Drawing::twipsToDevice(Drawing::WindowFrame, ExportScale));
        paintBareLines(painter, lines);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["segments"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_BareQPainterLinesScale8)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ExportPngEncodeScale8(benchmark::State& state)
{
    const QImage image = Drawing::renderImage(wideTree(), {}, exportOptions);
    for (auto _ : state)
        pngBytes = static_cast<double>(Drawing::encodePng(image).size());
    state.counters["bytes"] = pngBytes;
}
BENCHMARK(BM_ExportPngEncodeScale8)->Unit(benchmark::kMillisecond);

void exportVectors(benchmark::State& state, Drawing::Format format, double& bytes)
{
    for (auto _ : state)
        bytes = static_cast<double>(
            Drawing::render(format, wideTree(), {}, exportOptions, QStringLiteral("Tree")).size());
    state.counters["bytes"] = bytes;
}

void BM_ExportSvgScale8(benchmark::State& state)
{
    exportVectors(state, Drawing::Format::Svg, svgBytes);
}
BENCHMARK(BM_ExportSvgScale8)->Unit(benchmark::kMillisecond);

void BM_ExportPdfScale8(benchmark::State& state)
{
    exportVectors(state, Drawing::Format::Pdf, pdfBytes);
}
BENCHMARK(BM_ExportPdfScale8)->Unit(benchmark::kMillisecond);

void redrawLargeView(benchmark::State& state, QSize pixels)
{
    for (auto _ : state) {
        const QImage image = Drawing::renderFitted(wideTree(), {},
            { .shown = Drawing::shownPartOf(wideTree(), {}, Drawing::Frame::Window),
                .pixels = pixels,
                .background = background });
        benchmark::DoNotOptimize(image.constBits());
    }
}

// A new drawing for the large view at 1000 x 1000 pixels, smooth: what resizing it asks for.
void BM_LargeViewRedraw1000(benchmark::State& state)
{
    redrawLargeView(state, largeView);
}
BENCHMARK(BM_LargeViewRedraw1000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same for a view filling a large screen, or half of it at twice the pixel ratio.
void BM_LargeViewRedraw2560x1600(benchmark::State& state)
{
    redrawLargeView(state, QSize(2560, 1600));
}
BENCHMARK(BM_LargeViewRedraw2560x1600)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

const bool exportSummary = (BenchSummary::add([](const std::map<std::string, double>& ns) {
    const auto find = [&ns](const char* name) {
        const auto it = ns.find(name);
        return it == ns.end() ? 0.0 : it->second;
    };
    const double draw = find("BM_ExportPngDrawScale8");
    const double bare = find("BM_BareQPainterLinesScale8");
    if (draw > 0 && bare > 0)
        std::printf(
            "export draw ratio (PNG at scale 8 / bare QPainter loop): %.3f (target at most 1.2)\n", draw / bare);
    if (draw > 0 && find("BM_ExportPngEncodeScale8") > 0)
        std::printf("PNG at scale 8: drawing %.1f ms, encoding %.1f ms, %.0f KB\n", draw / 1e6,
            find("BM_ExportPngEncodeScale8") / 1e6, pngBytes / 1024);
    if (svgBytes > 0)
        std::printf("SVG at scale 8: %.1f ms, %.0f KB (target at most 400 KB)\n", find("BM_ExportSvgScale8") / 1e6,
            svgBytes / 1024);
    if (pdfBytes > 0)
        std::printf("PDF at scale 8: %.1f ms, %.0f KB\n", find("BM_ExportPdfScale8") / 1e6, pdfBytes / 1024);
    if (find("BM_LargeViewRedraw1000") > 0)
        std::printf("large view redraw at 1000 x 1000 px, smooth: median %.1f ms (target 16 ms); at 2560 x 1600 px: "
                    "%.1f ms\n",
            find("BM_LargeViewRedraw1000") / 1e6, find("BM_LargeViewRedraw2560x1600") / 1e6);
}),
    true);

} // namespace
