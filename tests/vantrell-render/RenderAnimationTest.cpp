// vantrell-render --animate: a frame for each moment from the first file's picture to the last's, those two the
// pictures the tool draws of each file alone; a file that cannot be read fails the animation, naming it.

#include "support/AnimationReading.h"
#include "support/RenderTesting.h"

namespace {

using namespace RenderTesting;

TEST_F(RenderToolTest, AnimateRunsFromTheFirstFilesPictureToTheLasts)
{
    writeSample(path("a.gen"));
    GeneticCode other = sampleCode();
    other[1].Angle = -1.2;
    GeneFileWriter::Save(other, path("b.gen"));
    other[0].Width = 9;
    GeneFileWriter::Save(other, path("c.gen"));
    const QStringList drawing { "-s", "2", "--no-smooth" };
    ASSERT_EQ(run(QStringList { "a.gen", "-o", "a.png" } + drawing).exitCode, 0);
    ASSERT_EQ(run(QStringList { "c.gen", "-o", "c.png" } + drawing).exitCode, 0);

    const ToolRun result = run(QStringList { "--animate", "a.gen", "b.gen", "c.gen", "-o", "m.webp",
                                   "--seconds-per-step", "0.5", "--fps", "4" }
        + drawing);

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const AnimationReading::Animation read = AnimationReading::readWebP(path("m.webp"));
    // (3 files - 1) x round(0.5 s x 4 a second) + 1.
    ASSERT_EQ(read.frames.size(), 5U);
    EXPECT_TRUE(samePixels(read.frames.front(), QImage(path("a.png"))));
    EXPECT_TRUE(samePixels(read.frames.back(), QImage(path("c.png"))));
    EXPECT_FALSE(samePixels(read.frames[2], read.frames.front()));
    EXPECT_EQ(entries(dir.path()), QStringList({ "a.gen", "a.png", "b.gen", "c.gen", "c.png", "m.webp" }));
}

TEST_F(RenderToolTest, AnimateFailsNamingAFileThatCannotBeReadAndWritesNothing)
{
    writeSample(path("a.gen"));

    const ToolRun result = run({ "--animate", "a.gen", "missing.gen", "-o", "m.gif" });

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.startsWith("vantrell-render: No such file or directory (error 76) in \"missing.gen\""))
        << result.err.toStdString();
    EXPECT_EQ(entries(dir.path()), QStringList({ "a.gen" }));
}

} // namespace
