// --random N --seed S: the same files from the same seed, whatever the run or the number of threads.

#include "core/genefile/GeneFileReader.h"
#include "core/genetics/GeneticCode.h"
#include "core/platform/RandomSource.h"
#include "support/CaseNames.h"
#include "support/RenderTesting.h"

namespace {

using CaseNames::PrintTo;

using namespace RenderTesting;

struct SeedRun {
    const char* name;
    QStringList options;
};

class RenderSeedTest : public RenderToolTest, public testing::WithParamInterface<SeedRun> {
protected:
    // Every file of folder with its contents.
    QMap<QString, QByteArray> filesIn(const QString& folder) const
    {
        QMap<QString, QByteArray> files;
        for (const QString& name : entries(path(folder)))
            files.insert(name, readFile(path(folder + "/" + name)));
        return files;
    }
};

TEST_P(RenderSeedTest, GivesTheSameBytesAsOneThread)
{
    const QStringList common { "--random", "12", "--seed", "20240611" };
    ASSERT_EQ(run(common + QStringList { "-d", "one", "--threads", "1", "--sheet", "one.png" }).exitCode, 0);

    const ToolRun result = run(common + QStringList { "-d", "other", "--sheet", "other.png" } + GetParam().options);

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QMap<QString, QByteArray> one = filesIn("one");
    ASSERT_EQ(one.size(), 24);
    EXPECT_TRUE(one.contains("random-0001.gen") && one.contains("random-0012.png"));
    EXPECT_EQ(filesIn("other"), one);
    EXPECT_EQ(readFile(path("other.png")), readFile(path("one.png")));
}

INSTANTIATE_TEST_SUITE_P(Runs, RenderSeedTest,
    testing::Values(SeedRun { "OneThreadAgain", { "--threads", "1" } }, SeedRun { "TwoThreads", { "--threads", "2" } },
        SeedRun { "SevenThreads", { "--threads", "7" } }, SeedRun { "EveryCore", {} }),
    CaseNames::testName);

TEST_F(RenderToolTest, RandomCodesAreTheGenesOwnRandomDrawsFromTheSeed)
{
    const ToolRun result = run({ "--random", "3", "--seed", "5", "--prefix", "r" });

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(entries(dir.path()), QStringList({ "r0001.gen", "r0002.gen", "r0003.gen" }));
    SeededRandomSource source(5);
    for (const QString name : { "r0001.gen", "r0002.gen", "r0003.gen" }) {
        GeneticCode expected;
        for (clsGene& gene : expected)
            gene.Random(source);
        const QString saved = path("expected.gen");
        GeneFileWriter::Save(expected, saved);
        EXPECT_EQ(readFile(path(name)), readFile(saved)) << name.toStdString();
        // The program reads it back as the same code.
        GeneticCode read;
        SeededRandomSource unused(0);
        ASSERT_TRUE(GeneFileReader::Read(read, path(name), 0.0, unused));
        EXPECT_EQ(readFile(path(name)).count("\r\n"), 108);
    }
}

TEST_F(RenderToolTest, AnotherSeedGivesOtherCodes)
{
    ASSERT_EQ(run({ "--random", "2", "--seed", "1", "--prefix", "a" }).exitCode, 0);
    ASSERT_EQ(run({ "--random", "2", "--seed", "2", "--prefix", "b" }).exitCode, 0);

    EXPECT_NE(readFile(path("a0001.gen")), readFile(path("b0001.gen")));
    EXPECT_NE(readFile(path("a0002.gen")), readFile(path("b0002.gen")));
    EXPECT_NE(readFile(path("a0001.gen")), readFile(path("a0002.gen")));
}

TEST_F(RenderToolTest, RandomCodesGoIntoTheOutputFolderAfterTheFilesGiven)
{
    writeSample(path("tree.gen"));

    const ToolRun result
        = run({ "tree.gen", "--random", "2", "--seed", "9", "-d", "out", "--sheet", "sheet.svg", "--columns", "3" });

    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(entries(path("out")),
        QStringList({ "random-0001.gen", "random-0001.png", "random-0002.gen", "random-0002.png", "tree.png" }));
    const QByteArray sheet = readFile(path("sheet.svg"));
    const qsizetype first = sheet.indexOf(">tree.gen</text>");
    const qsizetype second = sheet.indexOf(">random-0001.gen</text>");
    const qsizetype third = sheet.indexOf(">random-0002.gen</text>");
    EXPECT_TRUE(first >= 0 && first < second && second < third) << sheet.toStdString();
}

} // namespace
