// Animations exported as WebP and GIF, read back frame by frame, and a stopped export.

#include "core/export/AnimationRender.h"

#include "core/animation/InBetween.h"
#include "core/export/RasterRender.h"
#include "support/AnimationReading.h"
#include "support/CaseNames.h"
#include "support/PictureCodes.h"

#include <QDir>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace {

using CaseNames::PrintTo;
using testing::Each;

const Drawing::RenderOptions morphSharpOptions { 1, Drawing::Frame::Window, false, QColor(239, 239, 239) };

QImage morphPictureOf(const GeneticCode& code)
{
    return Drawing::renderImage(code, {}, morphSharpOptions).convertToFormat(QImage::Format_ARGB32);
}

struct AnimationReadBackCase {
    const char* name;
    const char* file;
    AnimationReading::Animation (*read)(const QString&);
};

class AnimationReadBackTest : public testing::TestWithParam<AnimationReadBackCase> {
protected:
    QTemporaryDir folder;
};

TEST_P(AnimationReadBackTest, ShowsEveryFrameOfTheMorphLoopingForever)
{
    const Morph morph({ PictureCodes::wideTree(), PictureCodes::seededTree(7) }, {});
    // Five frames a step, a tenth of a second each.
    const FrameTiming timing(2, 0.5, 10);
    const QString fileName = folder.filePath(QString::fromLatin1(GetParam().file));

    ASSERT_TRUE(Drawing::exportAnimation(
        *Drawing::animationFormatOfFileName(fileName), morph, timing, morphSharpOptions, fileName));

    const AnimationReading::Animation read = GetParam().read(fileName);
    ASSERT_EQ(read.frames.size(), 6U);
    EXPECT_EQ(read.loopCount, 0);
    EXPECT_THAT(read.durations, Each(100));
    EXPECT_EQ(read.frames.front(), morphPictureOf(morph.codes()[0]));
    EXPECT_EQ(read.frames[3], morphPictureOf(InBetween::code(morph.codes()[0], morph.codes()[1], 0.6)));
    EXPECT_EQ(read.frames.back(), morphPictureOf(morph.codes()[1]));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList { QString::fromLatin1(GetParam().file) });
}

INSTANTIATE_TEST_SUITE_P(Formats, AnimationReadBackTest,
    testing::Values(AnimationReadBackCase { "WebP", "morph.webp", AnimationReading::readWebP },
        AnimationReadBackCase { "GifInCapitals", "morph.GIF", AnimationReading::readGif }),
    CaseNames::testName);

TEST(AnimationStopTest, AStoppedExportWritesNothing)
{
    QTemporaryDir folder;
    const Morph morph({ PictureCodes::wideTree(), PictureCodes::seededTree(7) }, {});
    int told = 0;
    const bool written = Drawing::exportAnimation(Drawing::AnimationFormat::Gif, morph, FrameTiming(2, 1, 30),
        morphSharpOptions, folder.filePath("stopped.gif"), [&told](int done, int total) {
            told = done;
            EXPECT_EQ(total, 31);
            return done < 3;
        });

    EXPECT_FALSE(written);
    EXPECT_EQ(told, 3);
    EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

} // namespace
