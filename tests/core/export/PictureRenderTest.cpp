// A picture drawn outside its window: sizes, images, SVG and PDF read back, and the files' formats.

#include "core/export/PictureRender.h"

#include "core/drawing/ImageSurface.h"
#include "core/drawing/PicturePainting.h"
#include "core/drawing/TreeDrawing.h"
#include "core/export/RasterRender.h"
#include "core/export/SvgCompactor.h"
#include "core/export/VectorRender.h"
#include "core/platform/RuntimeError.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"
#include "support/RecordingSurface.h"
#include "support/SvgReading.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using CaseNames::PrintTo;

const QColor paleGrey(236, 236, 236);

std::string nameOf(const char* name)
{
    return name;
}

// The segments the drawing makes, as the window would be asked to draw them.
std::vector<RecordedLine> segmentsOf(const GeneticCode& code, Drawing::Flags flags)
{
    RecordingSurface recording;
    Drawing::drawTree(code, flags, recording);
    return recording.lines;
}

QString hexColour(int colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF).name();
}

struct SizeCase {
    const char* name;
    GeneticCode code;
    Drawing::Frame frame;
    int scale;
    QSize pixels;
};

const SizeCase sizeCases[] = {
    { "WindowAtOne", PictureCodes::wideTree(), Drawing::Frame::Window, 1, { 113, 105 } },
    { "WindowAtFour", PictureCodes::wideTree(), Drawing::Frame::Window, 4, { 452, 420 } },
    { "WindowAtThirtyTwo", PictureCodes::wideTree(), Drawing::Frame::Window, 32, { 3616, 3360 } },
    // 60 x 560 twips: 4 x 37.3 pixels at scale 1, so 38 pixels high.
    { "TrunkAtOne", PictureCodes::trunk(500, 4, Qt::red), Drawing::Frame::WholeTree, 1, { 4, 38 } },
    { "TrunkAtThree", PictureCodes::trunk(500, 4, Qt::red), Drawing::Frame::WholeTree, 3, { 12, 112 } },
};

class ImageSizeTest : public testing::TestWithParam<SizeCase> { };

TEST_P(ImageSizeTest, HoldsTheFrameInWholePixelsAtTheScale)
{
    const SizeCase& c = GetParam();
    const QImage image = Drawing::renderImage(c.code, {}, { c.scale, c.frame, true, paleGrey });
    EXPECT_EQ(image.size(), c.pixels);
    const QByteArray svg = Drawing::renderSvg(c.code, {}, { c.scale, c.frame, true, paleGrey }, {});
    const SvgDrawing read = readSvg(svg);
    // At 96 pixels to the inch, so that 100 % shows the picture at the scale.
    EXPECT_NEAR(read.width.chopped(2).toDouble() * 96 / 25.4, c.pixels.width(), 0.01);
    EXPECT_NEAR(read.height.chopped(2).toDouble() * 96 / 25.4, c.pixels.height(), 0.01);
    EXPECT_TRUE(read.width.endsWith(u"mm"));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ImageSizeTest, testing::ValuesIn(sizeCases), [](const auto& info) { return nameOf(info.param.name); });

struct TreeCase {
    const char* name;
    GeneticCode code;
    Drawing::Flags flags;
};

// Red, so that a trunk drawn after all would show.
GeneticCode trunkHidden()
{
    GeneticCode code = PictureCodes::wideTreeWithHiddenTrunk();
    code[0].ColorRed = 255;
    return code;
}

const TreeCase treeCases[] = {
    { "Trunk", PictureCodes::trunk(500, 4, QColor(40, 90, 220)), {} },
    { "WideTree", PictureCodes::wideTree(), {} },
    { "DoneAtFive", PictureCodes::wideTreeDoneAt(5), {} },
    { "DoneAtFiveIgnored", PictureCodes::wideTreeDoneAt(5), { false, false } },
    { "HiddenTrunk", trunkHidden(), { true, true } },
    { "SeededTree4", PictureCodes::seededTree(4), {} },
    { "SeededTree5WithDraw", PictureCodes::seededTree(5), { true, true } },
};

class RenderedTreeTest : public testing::TestWithParam<TreeCase> { };

TEST_P(RenderedTreeTest, ImageAtScaleOneWithoutSmoothingIsTheWindowsPixelForPixel)
{
    const TreeCase& c = GetParam();
    ImageSurface window(QSize(1695, 1575), 1.0, paleGrey);
    window.Clear();
    Drawing::drawTree(c.code, c.flags, window);
    window.Finish();

    const QImage image = Drawing::renderImage(c.code, c.flags, { 1, Drawing::Frame::Window, false, paleGrey });

    ASSERT_EQ(image.size(), window.image().size());
    EXPECT_TRUE(image.convertToFormat(QImage::Format_RGB32) == window.image().convertToFormat(QImage::Format_RGB32));
}

// A cell, drawn by the share of each pixel the pens cover, looks as the painter draws the whole tree smooth: the same
// on average to within half a level of a channel, and no pixel a quarter of the way to another colour.
TEST_P(RenderedTreeTest, CellLooksAsThePainterDrawsTheWholeTreeSmooth)
{
    const TreeCase& c = GetParam();
    const QSize pixels(160, 160);
    const QImage cell = Drawing::renderCell(c.code, c.flags, pixels, 1.0, paleGrey);
    const Drawing::ViewOptions view { .shown = Drawing::shownPartOf(c.code, c.flags, Drawing::Frame::WholeTree),
        .pixels = pixels,
        .background = paleGrey };
    const QImage painted = Drawing::renderFitted(c.code, c.flags, view).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(cell.size(), painted.size());
    double total = 0;
    int far = 0;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const QColor a = cell.pixelColor(x, y);
            const QColor b = painted.pixelColor(x, y);
            const int difference = std::max(
                { std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue()) });
            total += difference;
            far += difference > 64 ? 1 : 0;
        }
    EXPECT_LT(total / (pixels.width() * pixels.height()), 0.5);
    EXPECT_EQ(far, 0);
}

TEST_P(RenderedTreeTest, SvgHasEverySegmentInItsGenesColourWidthAndRoundCaps)
{
    const TreeCase& c = GetParam();
    const std::vector<RecordedLine> segments = segmentsOf(c.code, c.flags);
    ASSERT_FALSE(segments.empty());

    const SvgDrawing svg
        = readSvg(Drawing::renderSvg(c.code, c.flags, { 4, Drawing::Frame::Window, true, paleGrey }, {}));

    ASSERT_EQ(svg.error, QString());
    ASSERT_EQ(svg.lines.size(), segments.size());
    for (std::size_t i = 0; i < segments.size(); ++i) {
        SCOPED_TRACE(i);
        const RecordedLine& segment = segments[i];
        EXPECT_EQ(svg.lines[i].line, QLineF(segment.x1, segment.y1, segment.x2, segment.y2));
        EXPECT_EQ(svg.lines[i].stroke, hexColour(segment.colour));
        EXPECT_EQ(svg.lines[i].strokeWidth, std::max(1, segment.penWidth) * 15.0);
        EXPECT_EQ(svg.lines[i].lineCap, QStringLiteral("round"));
        if (testing::Test::HasFailure())
            break;
    }
    EXPECT_EQ(svg.viewBox, QRectF(0, 0, 1695, 1575));
    EXPECT_EQ(svg.rectangleFills, QStringList { paleGrey.name() });
}

TEST_P(RenderedTreeTest, CompactedAndDirectSvgShowWhatTheGeneratorDraws)
{
    const TreeCase& c = GetParam();
    const GeneticCode code = c.code;
    const QRectF frame = Drawing::WindowFrame;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(113, 105));
        generator.setViewBox(frame);
        QPainter painter(&generator);
        Drawing::paintPicture(painter, code, c.flags, { frame, false }, paleGrey);
    }
    const QByteArray verbose = buffer.data();
    const QByteArray compact = SvgCompactor::compact(verbose);
    EXPECT_LT(compact.size(), verbose.size());

    const auto shown = [](const QByteArray& svg) {
        QSvgRenderer renderer(svg);
        QImage image(226, 210, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        return image;
    };
    EXPECT_TRUE(shown(verbose) == shown(compact));
    // Export Picture's SVG is written directly, without the generator.
    EXPECT_TRUE(
        shown(verbose) == shown(Drawing::renderSvg(code, c.flags, { 1, Drawing::Frame::Window, true, paleGrey }, {})));
}

TEST_P(RenderedTreeTest, PdfIsOnePageOfTheScaledFrame)
{
    const TreeCase& c = GetParam();
    const QByteArray pdf
        = Drawing::renderPdf(c.code, c.flags, { 4, Drawing::Frame::Window, true, paleGrey }, "Picture");

    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
    // 452 x 420 pixels at 96 to the inch are 339 x 315 points.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 339(\\.0+)? 315(\\.0+)?\\]"))
                    .match(QString::fromLatin1(pdf))
                    .hasMatch());
}

INSTANTIATE_TEST_SUITE_P(
    Trees, RenderedTreeTest, testing::ValuesIn(treeCases), [](const auto& info) { return nameOf(info.param.name); });

TEST(PictureRenderTest, TransparentBackgroundLeavesTheFrameEmptyButForTheLines)
{
    const GeneticCode code = PictureCodes::trunk(500, 4, QColor(40, 90, 220));
    const Drawing::RenderOptions options { 2, Drawing::Frame::Window, false, Qt::transparent };

    const QImage image = Drawing::renderImage(code, {}, options);
    EXPECT_EQ(image.pixelColor(5, 5).alpha(), 0);
    EXPECT_EQ(image.pixelColor(113, 150), QColor(40, 90, 220));

    const SvgDrawing svg = readSvg(Drawing::renderSvg(code, {}, options, {}));
    EXPECT_TRUE(svg.rectangleFills.isEmpty());
    EXPECT_EQ(svg.lines.size(), 1U);
}

TEST(PictureRenderTest, SvgOfTheFullWideTreeStaysSmall)
{
    const QByteArray svg
        = Drawing::renderSvg(PictureCodes::wideTree(), {}, { 8, Drawing::Frame::WholeTree, true, paleGrey }, {});
    EXPECT_EQ(readSvg(svg).lines.size(), 4095U);
    // The generator alone writes four times as much.
    EXPECT_LT(svg.size(), 400 * 1024);
}

// A scene painted as SVG, the family tree's, is sized at 100 % as a picture's SVG is, on its background if it has one.
TEST(PictureRenderTest, PaintedSvgIsSizedAsAPicturesSvgAndFilledUnlessTransparent)
{
    const auto painted = [](const QColor& background) {
        return readSvg(Drawing::paintedSvg(
            QSize(300, 200), QRectF(0, 0, 300, 200), background, QStringLiteral("Scene"), [](QPainter&) {}));
    };
    const SvgDrawing opaque = painted(paleGrey);
    EXPECT_NEAR(opaque.width.chopped(2).toDouble() * 96 / 25.4, 300, 0.01);
    EXPECT_NEAR(opaque.height.chopped(2).toDouble() * 96 / 25.4, 200, 0.01);
    EXPECT_EQ(opaque.viewBox, QRectF(0, 0, 300, 200));
    EXPECT_EQ(opaque.rectangleFills, QStringList { paleGrey.name() });
    EXPECT_EQ(painted(Qt::transparent).rectangleFills, QStringList());
}

TEST(PictureRenderTest, AnImageThatCannotBeEncodedIsRefused)
{
    try {
        Drawing::encodePng(QImage());
        FAIL() << "an empty image was encoded";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::PathFileAccess);
    }
}

struct SuffixCase {
    const char* name;
    const char* fileName;
    std::optional<Drawing::Format> format;
};

class FormatOfFileNameTest : public testing::TestWithParam<SuffixCase> { };

TEST_P(FormatOfFileNameTest, FollowsTheLastSuffixInAnyLetterCase)
{
    EXPECT_EQ(Drawing::formatOfFileName(QString::fromUtf8(GetParam().fileName)), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Names, FormatOfFileNameTest,
    testing::Values(SuffixCase { "Png", "picture-7.png", Drawing::Format::Png },
        SuffixCase { "UpperPng", "/tmp/PICTURE.PNG", Drawing::Format::Png },
        SuffixCase { "MixedSvg", "tree.SvG", Drawing::Format::Svg },
        SuffixCase { "Pdf", "folder.d/tree.pdf", Drawing::Format::Pdf },
        SuffixCase { "LastSuffixCounts", "tree.gen.png", Drawing::Format::Png },
        SuffixCase { "OtherSuffix", "tree.jpg", std::nullopt },
        SuffixCase { "SuffixNotLast", "tree.png.gen", std::nullopt }, SuffixCase { "NoSuffix", "tree", std::nullopt },
        SuffixCase { "SuffixOfTheFolderOnly", "tree.png/picture", std::nullopt },
        SuffixCase { "Empty", "", std::nullopt }),
    [](const auto& info) { return nameOf(info.param.name); });

struct FittedCase {
    const char* name;
    QSize pixels;
    qreal ratio;
};

class RenderFittedTest : public testing::TestWithParam<FittedCase> { };

TEST_P(RenderFittedTest, CentresTheFrameAtItsLargestAndKeepsThePixelRatio)
{
    const FittedCase& c = GetParam();
    const GeneticCode code = PictureCodes::trunk(500, 4, QColor(40, 90, 220));
    const QImage image = Drawing::renderFitted(code, {},
        { .shown = Drawing::shownPartOf(code, {}, Drawing::Frame::Window),
            .pixels = c.pixels,
            .devicePixelRatio = c.ratio,
            .background = paleGrey,
            .smooth = false });
    EXPECT_EQ(image.size(), c.pixels);
    EXPECT_EQ(image.devicePixelRatio(), c.ratio);
    const double factor = std::min(c.pixels.width() / 1695.0, c.pixels.height() / 1575.0);
    // The trunk runs up the middle from the bottom of the fitted frame, 500 of its 1575 twips high.
    const int middle = c.pixels.width() / 2;
    const double bottom = c.pixels.height() / 2.0 + 1575 * factor / 2;
    for (const double up : { 100.0, 300.0, 480.0 })
        EXPECT_EQ(image.pixelColor(middle, static_cast<int>(bottom - up * factor)), QColor(40, 90, 220)) << up;
    EXPECT_EQ(image.pixelColor(middle, static_cast<int>(bottom - 600 * factor)), paleGrey);
    EXPECT_EQ(image.pixelColor(2, 2), paleGrey);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RenderFittedTest,
    testing::Values(FittedCase { "Square", { 1000, 1000 }, 1.0 }, FittedCase { "Wide", { 900, 300 }, 1.0 },
        FittedCase { "TallAtTwice", { 400, 1200 }, 2.0 }),
    [](const auto& info) { return nameOf(info.param.name); });

} // namespace
