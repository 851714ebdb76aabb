// vantrell-render --thumbnail as a file manager runs it: the whole tree fitted into a transparent square PNG.

#include "core/drawing/PictureFrame.h"
#include "support/PictureCodes.h"
#include "support/RenderTesting.h"

#include <QImage>

#include <gtest/gtest.h>
#include <ostream>

namespace {

using namespace RenderTesting;

// The box around every pixel that is not wholly transparent; null when there is none.
QRect drawnBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

struct ThumbnailCase {
    const char* name;
    GeneticCode code;
    int size;
};

void PrintTo(const ThumbnailCase& c, std::ostream* out)
{
    *out << c.name;
}

class ThumbnailTest : public RenderToolTest, public testing::WithParamInterface<ThumbnailCase> { };

TEST_P(ThumbnailTest, FitsTheWholeTreeIntoATransparentSquare)
{
    GeneFileWriter::Save(GetParam().code, path(QStringLiteral("tree.gen")));

    const ToolRun result = run({ "--thumbnail", QString::number(GetParam().size), "tree.gen", "thumbnail.png" });

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(entries(dir.path()), (QStringList { "thumbnail.png", "tree.gen" }));
    const QImage image(path(QStringLiteral("thumbnail.png")), "PNG");
    ASSERT_EQ(image.size(), QSize(GetParam().size, GetParam().size));
    ASSERT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    // Fitted, centred: the longer side of the whole tree reaches across the square, the other is centred.
    const QRect box = drawnBox(image);
    const QSizeF whole = Drawing::frameOf(GetParam().code, {}, Drawing::Frame::WholeTree).size();
    if (whole.width() >= whole.height()) {
        EXPECT_EQ(box.left(), 0);
        EXPECT_EQ(box.right(), GetParam().size - 1);
        EXPECT_NEAR(box.top(), GetParam().size - 1 - box.bottom(), 1);
    } else {
        EXPECT_EQ(box.top(), 0);
        EXPECT_EQ(box.bottom(), GetParam().size - 1);
        EXPECT_NEAR(box.left(), GetParam().size - 1 - box.right(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Trees, ThumbnailTest,
    testing::Values(ThumbnailCase { "WideTreeAt256", PictureCodes::wideTree(), 256 },
        ThumbnailCase { "SampleAt128", sampleCode(), 128 },
        ThumbnailCase { "TrunkAt48", PictureCodes::trunk(500, 8, Qt::darkGreen), 48 }),
    [](const testing::TestParamInfo<ThumbnailCase>& info) { return info.param.name; });

TEST_F(RenderToolTest, AThumbnailOfAFileThatDoesNotReadIsNotWritten)
{
    writeSample(path(QStringLiteral("tree.gen")));
    QFile::resize(path(QStringLiteral("tree.gen")), 300);

    const ToolRun result = run({ "--thumbnail", "128", "tree.gen", "thumbnail.png" });

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.startsWith("vantrell-render: ")) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(entries(dir.path()), QStringList { "tree.gen" });
}

} // namespace
