// vantrell-render's pictures: their sizes, formats and pixels, as the program's own renderer makes them.

#include "core/drawing/FrameGeometry.h"
#include "core/drawing/PictureFrame.h"
#include "core/export/RasterRender.h"
#include "support/CaseNames.h"
#include "support/RenderTesting.h"

namespace {

using CaseNames::PrintTo;

using namespace RenderTesting;

struct SizeCase {
    const char* name;
    QStringList options;
    int scale;
    Drawing::Frame frame;
};

class RenderSizeTest : public RenderToolTest, public testing::WithParamInterface<SizeCase> { };

TEST_P(RenderSizeTest, ThePictureIsTheFrameAtTheScale)
{
    writeSample(path("tree.gen"));

    const ToolRun result = run(QStringList { "tree.gen", "-o", "tree.png" } + GetParam().options);

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const auto code = sampleCode();
    const QRectF frame = Drawing::frameOf(code, {}, GetParam().frame);
    const QSize expected = Drawing::pixelSize(frame, GetParam().scale);
    EXPECT_EQ(QImage(path("tree.png")).size(), expected);
    if (GetParam().frame == Drawing::Frame::WholeTree) {
        EXPECT_NE(expected, Drawing::pixelSize(Drawing::WindowFrame, GetParam().scale)) << "the sample is no test";
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, RenderSizeTest,
    testing::Values(SizeCase { "WindowAtScale1", {}, 1, Drawing::Frame::Window },
        SizeCase { "WindowAtScale2", { "-s", "2" }, 2, Drawing::Frame::Window },
        SizeCase { "WindowAtScale8", { "--scale", "8" }, 8, Drawing::Frame::Window },
        SizeCase { "WindowAtScale32", { "-s", "32" }, 32, Drawing::Frame::Window },
        SizeCase { "WholeAtScale1", { "--whole" }, 1, Drawing::Frame::WholeTree },
        SizeCase { "WholeAtScale3", { "--whole", "-s", "3" }, 3, Drawing::Frame::WholeTree }),
    CaseNames::testName);

TEST_F(RenderToolTest, TheWindowFrameAtScale1IsTheDrawingAreasPixels)
{
    writeSample(path("tree.gen"));

    ASSERT_EQ(run({ "tree.gen", "-o", "tree.png" }).exitCode, 0);

    EXPECT_EQ(QImage(path("tree.png")).size(), QSize(113, 105));
}

struct FormatCase {
    const char* name;
    QStringList options;
    const char* written;
    QByteArray start;
};

class RenderFormatTest : public RenderToolTest, public testing::WithParamInterface<FormatCase> { };

TEST_P(RenderFormatTest, WritesTheFormatAskedFor)
{
    writeSample(path("tree.gen"));

    const ToolRun result = run(QStringList { "tree.gen" } + GetParam().options);

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(readFile(path(GetParam().written)).startsWith(GetParam().start))
        << "the start of " << GetParam().written << ": " << readFile(path(GetParam().written)).left(8).toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
}

const QByteArray png("\x89PNG\r\n\x1a\n");
const QByteArray svg("<?xml");
const QByteArray pdf("%PDF-");

INSTANTIATE_TEST_SUITE_P(Formats, RenderFormatTest,
    testing::Values(FormatCase { "PngBySuffix", { "-o", "out.png" }, "out.png", png },
        FormatCase { "SvgBySuffix", { "-o", "out.svg" }, "out.svg", svg },
        FormatCase { "PdfBySuffix", { "-o", "out.pdf" }, "out.pdf", pdf },
        FormatCase { "SuffixInCapitals", { "-o", "OUT.SVG" }, "OUT.SVG", svg },
        FormatCase { "UnknownSuffixIsPng", { "-o", "out.picture" }, "out.picture", png },
        FormatCase { "FlagBeforeSuffix", { "-f", "pdf", "-o", "out.png" }, "out.png", pdf },
        FormatCase { "LongFlag", { "--format", "svg", "--output", "out" }, "out", svg },
        FormatCase { "FolderDefaultIsPng", { "-d", "pictures" }, "pictures/tree.png", png },
        FormatCase { "FolderWithFlag", { "--output-dir", "pictures", "-f", "SVG" }, "pictures/tree.svg", svg },
        FormatCase { "FolderWithPdf", { "-d", "a/b", "-f", "pdf" }, "a/b/tree.pdf", pdf }),
    CaseNames::testName);

struct PixelCase {
    const char* name;
    QStringList options;
    Drawing::Flags flags;
    // Changes the window's settings to those the options ask for.
    void (*settings)(Drawing::RenderOptions&);
    // Whether the picture must differ from the one made without options.
    bool differs;
};

class RenderPixelTest : public RenderToolTest, public testing::WithParamInterface<PixelCase> { };

TEST_P(RenderPixelTest, EqualsTheProgramsRendererWithTheSameSettings)
{
    writeSample(path("tree.gen"));

    const ToolRun plain = run({ "tree.gen", "-o", "plain.png" });
    const ToolRun result = run(QStringList { "tree.gen", "-o", "tree.png" } + GetParam().options);

    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    Drawing::RenderOptions options = windowOptions();
    GetParam().settings(options);
    const QImage expected = Drawing::renderImage(sampleCode(), GetParam().flags, options);
    const QImage written(path("tree.png"));
    EXPECT_TRUE(samePixels(written, expected));
    EXPECT_EQ(!samePixels(written, QImage(path("plain.png"))), GetParam().differs);
}

INSTANTIATE_TEST_SUITE_P(Settings, RenderPixelTest,
    testing::Values(PixelCase { "Defaults", {}, {}, [](Drawing::RenderOptions&) {}, false },
        PixelCase { "NoDone", { "--no-done" }, { false, false }, [](Drawing::RenderOptions&) {}, true },
        PixelCase { "Draw", { "--draw" }, { true, true }, [](Drawing::RenderOptions&) {}, true },
        PixelCase { "NoDoneAndDraw", { "--no-done", "--draw" }, { false, true }, [](Drawing::RenderOptions&) {}, true },
        PixelCase { "Smooth", { "--smooth" }, {}, [](Drawing::RenderOptions& o) { o.smooth = true; }, true },
        PixelCase { "NoSmoothIsTheDefaultAtScale1", { "--no-smooth" }, {}, [](Drawing::RenderOptions&) {}, false },
        PixelCase { "SmoothAboveScale1", { "-s", "2" }, {},
            [](Drawing::RenderOptions& o) {
                o.scale = 2;
                o.smooth = true;
            },
            true },
        PixelCase { "NoSmoothAtScale2", { "-s", "2", "--no-smooth" }, {},
            [](Drawing::RenderOptions& o) { o.scale = 2; }, true },
        PixelCase { "NamedBackground", { "--background", "navy" }, {},
            [](Drawing::RenderOptions& o) { o.background = QColor(0, 0, 128); }, true },
        PixelCase { "HexBackground", { "--background", "#20a0c0" }, {},
            [](Drawing::RenderOptions& o) { o.background = QColor(0x20, 0xa0, 0xc0); }, true },
        PixelCase { "Transparent", { "--transparent" }, {},
            [](Drawing::RenderOptions& o) { o.background = Qt::transparent; }, true },
        PixelCase {
            "Whole", { "--whole" }, {}, [](Drawing::RenderOptions& o) { o.frame = Drawing::Frame::WholeTree; }, true }),
    CaseNames::testName);

TEST_F(RenderToolTest, TransparentLeavesTheBackgroundEmpty)
{
    writeSample(path("tree.gen"));

    ASSERT_EQ(run({ "tree.gen", "-o", "tree.png", "--transparent" }).exitCode, 0);

    const QImage image(path("tree.png"));
    ASSERT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
}

TEST_F(RenderToolTest, HelpAndVersionGoToStandardOutput)
{
    const ToolRun help = run({ "--help" });
    const ToolRun version = run({ "--version" });

    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: vantrell-render [options] FILE...")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--output-dir")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--animate")) << help.out.toStdString();
    EXPECT_FALSE(help.out.contains("--threads")) << "the thread count is for tests and benchmarks only";
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("vantrell-render " VANTRELL_VERSION "\n"));
    EXPECT_TRUE(help.err.isEmpty() && version.err.isEmpty()) << help.err.toStdString() << version.err.toStdString();
}

} // namespace
