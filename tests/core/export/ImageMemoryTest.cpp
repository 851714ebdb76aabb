// The bound on an image's memory: the largest scale that fits, and the one refusal of every image over it.

#include "core/drawing/FrameGeometry.h"
#include "core/drawing/TreeDrawing.h"
#include "core/export/RasterRender.h"
#include "core/export/VectorRender.h"
#include "core/platform/RuntimeError.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"
#include "support/SvgReading.h"

#include <QPainter>

#include <gtest/gtest.h>
#include <string>

namespace {

using CaseNames::PrintTo;

const QColor backdrop(236, 236, 236);

TEST(ImageMemoryTest, TheWholeHugeTreeFitsUpToScaleTwelve)
{
    const GeneticCode code = PictureCodes::hugeTree();
    const QRectF frame = Drawing::frameOf(code, {}, Drawing::Frame::WholeTree);
    ASSERT_EQ(frame, QRectF(-9270, -8520, 20240, 10240));
    // Scale 12: 16192 x 8192 pixels, 506 MB; scale 13: 17542 x 8875 pixels, 594 MB.
    EXPECT_EQ(Drawing::largestScaleThatFits(frame), 12);
    EXPECT_LE(Drawing::imageBytes(Drawing::pixelSize(frame, 12)), Drawing::MaxImageBytes);
    EXPECT_NO_THROW(Drawing::imageFrame(code, {}, { 12, Drawing::Frame::WholeTree, true, backdrop }));
}

struct RefusalCase {
    const char* name;
    int scale;
    const char* says;
};

class ImageMemoryRefusalTest : public testing::TestWithParam<RefusalCase> { };

TEST_P(ImageMemoryRefusalTest, IsRefusedNamingTheLargestScaleThatFits)
{
    const GeneticCode code = PictureCodes::hugeTree();
    try {
        Drawing::renderImage(code, {}, { GetParam().scale, Drawing::Frame::WholeTree, true, backdrop });
        FAIL() << "an image over 512 MB was made";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::OutOfMemory);
        EXPECT_EQ(error.message(), QString::fromUtf8(GetParam().says));
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, ImageMemoryRefusalTest,
    testing::Values(RefusalCase { "JustOver", 13,
                        "Out of memory (error 7) (a 17542 x 8875 pixel image at scale 13 needs 594 MB of image "
                        "memory, more than the 512 MB allowed; the largest scale that fits is 12)" },
        RefusalCase { "Largest", 32,
            "Out of memory (error 7) (a 43179 x 21846 pixel image at scale 32 needs 3598 MB of image memory, more "
            "than the 512 MB allowed; the largest scale that fits is 12)" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImageMemoryTest, VectorsHaveNoSuchBound)
{
    const GeneticCode code = PictureCodes::hugeTree();
    const Drawing::RenderOptions options { 32, Drawing::Frame::WholeTree, true, backdrop };
    EXPECT_EQ(readSvg(Drawing::renderSvg(code, {}, options, {})).lines.size(), 3U);
    EXPECT_TRUE(Drawing::renderPdf(code, {}, options, {}).startsWith("%PDF-"));
}

TEST(ImageMemoryTest, AnImageNoScaleFitsAdvisesTheWindowsFrame)
{
    // Out 30000 twips to each side, then 30000 up and down from there, all with the widest pen: 182880
    // twips square, 12192 pixels square at scale 1.
    GeneticCode far = PictureCodes::trunk(1600, 32767, Qt::red);
    far[0].Angle = -Drawing::StartAngle;
    far[1] = { 30000, 32767, -Drawing::StartAngle, 0, 0, 255, false, true };
    far[2] = { 30000, 32767, 0.0, 0, 255, 0, false, true };
    far[3].Done = true;
    try {
        Drawing::renderImage(far, {}, { 1, Drawing::Frame::WholeTree, true, backdrop });
        FAIL() << "an image over 512 MB was made";
    } catch (const RuntimeError& error) {
        EXPECT_TRUE(error.message().contains(u"a 12192 x 12192 pixel image at scale 1")) << error.what();
        EXPECT_TRUE(error.message().endsWith(u"no scale fits; the window's frame does)")) << error.what();
    }
}

struct ImageUseCase {
    const char* name;
    Drawing::ImageUse use;
    const char* says;
};

class ImageUseRefusalTest : public testing::TestWithParam<ImageUseCase> { };

// Refused before any memory is asked for, in the words every image shares, with the advice only where there is one.
TEST_P(ImageUseRefusalTest, SaysTheSizeTheMemoryTheUseAndTheAdvice)
{
    try {
        Drawing::paintedImage(QSize(20000, 8000), backdrop, GetParam().use, [](QPainter&) { FAIL() << "painted"; });
        FAIL() << "an image over 512 MB was made";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), RuntimeError::OutOfMemory);
        EXPECT_EQ(error.message(), QString::fromUtf8(GetParam().says));
    }
}

INSTANTIATE_TEST_SUITE_P(Uses, ImageUseRefusalTest,
    testing::Values(ImageUseCase { "FamilyTree", { "image of the family tree", "export it as SVG" },
                        "Out of memory (error 7) (a 20000 x 8000 pixel image of the family tree needs 610 MB of image "
                        "memory, more than the 512 MB allowed; export it as SVG)" },
        ImageUseCase { "SheetWithoutAdvice", { "sheet", {} },
            "Out of memory (error 7) (a 20000 x 8000 pixel sheet needs 610 MB of image memory, more than the 512 MB "
            "allowed)" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
