// vantrell-render's failures: bad files fail alone (exit 1), bad command lines fail before anything (exit 2),
// and a full disk leaves no partial file.

#include "support/CaseNames.h"
#include "support/FileTesting.h"
#include "support/RenderTesting.h"
#include "support/ScopedTmpfs.h"

#include <functional>
#include <sys/stat.h>

namespace {

using CaseNames::PrintTo;

using namespace RenderTesting;

struct BadFileCase {
    const char* name;
    // Makes the bad file in folder and gives the name to render.
    std::function<QString(const QString& folder)> make;
    const char* reason;
};

// The sample's file with line (counted from 1) replaced, or cut off after count lines.
QByteArray sampleLines(const QString& folder, int count, int line = 0, const QByteArray& text = {})
{
    const QString name = folder + "/whole.gen";
    writeSample(name);
    QList<QByteArray> lines = readFile(name).split('\n');
    QFile::remove(name);
    if (line > 0)
        lines[line - 1] = text + '\r';
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += lines[i] + '\n';
    return bytes;
}

class RenderBadFileTest : public RenderToolTest, public testing::WithParamInterface<BadFileCase> {
protected:
    // Runs the tool with first.gen, the bad file and last.gen between options before and after: it fails with exit
    // status 1 and one line that names the bad file and says why.
    void runFailingOnTheBadFileAlone(const QStringList& before, const QStringList& after)
    {
        writeSample(path("first.gen"));
        writeSample(path("last.gen"));
        const QString bad = GetParam().make(dir.path());

        const ToolRun result = run(before + QStringList { "first.gen", bad, "last.gen" } + after);

        EXPECT_EQ(result.exitCode, 1);
        const QString err = QString::fromLocal8Bit(result.err);
        EXPECT_TRUE(err.startsWith(QStringLiteral("vantrell-render: "))) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("\"%1\"").arg(bad))) << err.toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(GetParam().reason))) << err.toStdString();
        EXPECT_EQ(err.count(u'\n'), 1) << err.toStdString();
    }
};

TEST_P(RenderBadFileTest, FailsNamingTheFileAndRendersTheOthers)
{
    runFailingOnTheBadFileAlone({}, { "-d", "out", "--sheet", "sheet.png" });

    EXPECT_EQ(entries(path("out")), QStringList({ "first.png", "last.png" }));
    // The sheet holds the two others side by side.
    EXPECT_EQ(QImage(path("sheet.png")).size(), QSize(2 * 8 + 2 * 113 + 8, 2 * 8 + 105 + 16));
}

TEST_P(RenderBadFileTest, IsLeftOutOfTheWebPageOfTheOthers)
{
    runFailingOnTheBadFileAlone({ "--web", "page" }, {});

    EXPECT_EQ(entries(path("page/pictures")),
        QStringList({ "first.gen", "first.png", "first.svg", "last.gen", "last.png", "last.svg" }));
    EXPECT_EQ(readFile(path("page/pictures/first.gen")), readFile(path("first.gen")));
    EXPECT_EQ(QString::fromUtf8(readFile(path("page/index.html"))).count(QStringLiteral("<figure>")), 2);
}

INSTANTIATE_TEST_SUITE_P(Files, RenderBadFileTest,
    testing::Values(BadFileCase { "Missing", [](const QString&) { return QStringLiteral("missing.gen"); },
                        "No such file or directory (error 76)" },
        BadFileCase { "Folder",
            [](const QString& folder) {
                QDir(folder).mkdir("folder.gen");
                return QStringLiteral("folder.gen");
            },
            "Is a directory (error 75)" },
        BadFileCase { "Fifo",
            [](const QString& folder) {
                EXPECT_EQ(::mkfifo(QFile::encodeName(folder + "/fifo.gen").constData(), 0600), 0);
                return QStringLiteral("fifo.gen");
            },
            "Not a regular file (error 75)" },
        BadFileCase { "EndsInsideARecord",
            [](const QString& folder) {
                writeFile(folder + "/short.gen", sampleLines(folder, 13));
                return QStringLiteral("short.gen");
            },
            "Input past end of file (error 62) in \"short.gen\", line 14 (Done of gene 1)" },
        BadFileCase { "LastRecordWithoutItsEmptyLine",
            [](const QString& folder) {
                writeFile(folder + "/short.gen", sampleLines(folder, 107));
                return QStringLiteral("short.gen");
            },
            "Input past end of file (error 62) in \"short.gen\", line 108 (empty line ending gene 11)" },
        BadFileCase { "LettersForANumber",
            [](const QString& folder) {
                writeFile(folder + "/bad.gen", sampleLines(folder, 108, 11, "blue"));
                return QStringLiteral("bad.gen");
            },
            "Type mismatch (error 13) in \"bad.gen\", line 11 (ColorBlue of gene 1): \"blue\"" },
        BadFileCase { "NumberTooBig",
            [](const QString& folder) {
                writeFile(folder + "/big.gen", sampleLines(folder, 108, 16, "40000"));
                return QStringLiteral("big.gen");
            },
            "Overflow (error 6) in \"big.gen\", line 16 (Length of gene 1): \"40000\"" },
        BadFileCase { "DrawingLeavesTheRange",
            [](const QString& folder) {
                writeFile(folder + "/far.gen", sampleLines(folder, 108, 7, "-32768"));
                return QStringLiteral("far.gen");
            },
            "Overflow (error 6)" }),
    CaseNames::testName);

struct UsageCase {
    const char* name;
    QStringList arguments;
    const char* why;
};

class RenderUsageTest : public RenderToolTest, public testing::WithParamInterface<UsageCase> { };

TEST_P(RenderUsageTest, ExitsWith2AndTheUsageWritingNothing)
{
    writeSample(path("tree.gen"));
    QDir(dir.path()).mkpath("a/x");
    writeSample(path("a/x/tree.gen"));
    const QStringList before = entries(dir.path());

    const ToolRun result = run(GetParam().arguments);

    EXPECT_EQ(result.exitCode, 2);
    const QString err = QString::fromLocal8Bit(result.err);
    EXPECT_TRUE(err.startsWith(QStringLiteral("vantrell-render: %1").arg(QLatin1String(GetParam().why))))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Usage: vantrell-render [options] FILE..."))) << err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(entries(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, RenderUsageTest,
    testing::Values(UsageCase { "UnknownOption", { "--frobnicate", "tree.gen", "-o", "t.png" }, "Unknown option" },
        UsageCase { "MissingValue", { "tree.gen", "-o" }, "Missing value after '-o'" },
        UsageCase { "ScaleZero", { "tree.gen", "-o", "t.png", "-s", "0" }, "--scale takes a whole number from 1" },
        UsageCase { "Scale33", { "tree.gen", "-o", "t.png", "-s", "33" }, "--scale takes a whole number from 1" },
        UsageCase { "ScaleInWords", { "tree.gen", "-o", "t.png", "-s", "two" }, "--scale takes" },
        UsageCase { "UnknownFormat", { "tree.gen", "-o", "t.gif", "-f", "gif" }, "--format takes png, svg or pdf" },
        UsageCase { "SmoothAndNoSmooth", { "tree.gen", "-o", "t.png", "--smooth", "--no-smooth" },
            "--smooth and --no-smooth cannot" },
        UsageCase {
            "NoColour", { "tree.gen", "-o", "t.png", "--background", "nocolour" }, "--background takes a colour" },
        UsageCase { "BackgroundAndTransparent", { "tree.gen", "-o", "t.png", "--background", "red", "--transparent" },
            "--background and --transparent" },
        UsageCase { "NoFile", { "-d", "out" }, "no genetic code file" },
        UsageCase { "WebAndFolder", { "--web", "page", "tree.gen", "-d", "out" }, "--web and --output-dir cannot" },
        UsageCase { "WebOfNoFile", { "--web", "page" }, "--web needs genetic code files" },
        UsageCase { "NothingToWrite", { "tree.gen" }, "nothing to write" },
        UsageCase { "OutputForTwoFiles", { "tree.gen", "a/x/tree.gen", "-o", "t.png" }, "--output writes one" },
        UsageCase { "OutputAndFolder", { "tree.gen", "-o", "t.png", "-d", "out" }, "--output and --output-dir" },
        UsageCase { "TwoFilesOneOutput", { "tree.gen", "a/x/tree.gen", "-d", "out" }, "\"tree.gen\" and" },
        UsageCase { "SheetOverAPicture", { "tree.gen", "-d", "out", "--sheet", "out/tree.png" },
            "\"tree.gen\" and the contact sheet" },
        UsageCase { "SheetOfAnUnknownFormat", { "tree.gen", "--sheet", "sheet.gif" }, "--sheet needs a name" },
        UsageCase { "ColumnsWithoutSheet", { "tree.gen", "-d", "out", "--columns", "2" }, "--columns needs --sheet" },
        UsageCase { "ColumnsZero", { "tree.gen", "--sheet", "s.png", "--columns", "0" }, "--columns takes" },
        UsageCase { "RandomWithoutSeed", { "--random", "3" }, "--random needs --seed" },
        UsageCase { "SeedWithoutRandom", { "tree.gen", "-d", "out", "--seed", "3" }, "--seed needs --random" },
        UsageCase { "PrefixWithoutRandom", { "tree.gen", "-d", "out", "--prefix", "x" }, "--prefix needs --random" },
        UsageCase { "RandomZero", { "--random", "0", "--seed", "1" }, "--random takes" },
        UsageCase { "NegativeSeed", { "--random", "2", "--seed", "-1" }, "--seed takes" },
        UsageCase { "AnimateOneFile", { "tree.gen", "--animate", "-o", "m.gif" }, "--animate needs two" },
        UsageCase { "AnimateWithoutOutput", { "tree.gen", "a/x/tree.gen", "--animate" }, "--animate needs --output" },
        UsageCase { "AnimateAnotherSuffix", { "tree.gen", "a/x/tree.gen", "--animate", "-o", "m.png" },
            "--animate writes a name ending in .webp or .gif, not \"m.png\"" },
        UsageCase { "AnimateAndSheet", { "tree.gen", "a/x/tree.gen", "--animate", "-o", "m.gif", "--sheet", "s.png" },
            "--animate and --sheet cannot" },
        UsageCase { "StepTooShort",
            { "tree.gen", "a/x/tree.gen", "--animate", "-o", "m.gif", "--seconds-per-step", "0.1" },
            "--seconds-per-step takes a number from 0.2 to 10, not \"0.1\"" },
        UsageCase { "Fps61", { "tree.gen", "a/x/tree.gen", "--animate", "-o", "m.gif", "--fps", "61" },
            "--fps takes a whole number from 1 to 60" },
        UsageCase { "NoFrameBetweenPictures",
            { "tree.gen", "a/x/tree.gen", "--animate", "-o", "m.gif", "--seconds-per-step", "0.2", "--fps", "2" },
            "--seconds-per-step 0.2 at --fps 2 leaves no frame" },
        UsageCase { "AnimateOverAFile", { "tree.gen", "m.gif", "--animate", "-o", "./m.gif" },
            "--output \"./m.gif\" is one of the files" },
        UsageCase { "FpsWithoutAnimate", { "tree.gen", "-o", "t.png", "--fps", "10" }, "--fps needs --animate" },
        UsageCase { "ThumbnailOfNoSize", { "--thumbnail", "0", "tree.gen", "t.png" }, "--thumbnail takes a whole" },
        UsageCase {
            "ThumbnailBeyond4096", { "--thumbnail", "4097", "tree.gen", "t.png" }, "--thumbnail takes a whole" },
        UsageCase { "ThumbnailWithoutOutput", { "--thumbnail", "128", "tree.gen" }, "--thumbnail takes a genetic" },
        UsageCase { "ThumbnailWithAnotherOption", { "--thumbnail", "128", "--whole", "tree.gen", "t.png" },
            "--thumbnail takes no other option" }),
    CaseNames::testName);

struct FullDiskCase {
    const char* name;
    QStringList options;
};

class RenderFullDiskTest : public RenderToolTest, public testing::WithParamInterface<FullDiskCase> { };

TEST_P(RenderFullDiskTest, LeavesNoPartialFile)
{
    ScopedTmpfs tmpfs(64);
    if (!tmpfs.mounted())
        GTEST_SKIP() << tmpfs.refusal().toStdString();
    writeSample(path("tree.gen"));
    QStringList arguments { path("tree.gen"), "--no-done", "-s", "32" };
    for (const QString& option : GetParam().options)
        arguments.append(QString(option).replace("DISK", tmpfs.path()));

    const ToolRun result = run(arguments);

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("No space left on device (error 61)")) << result.err.toStdString();
    EXPECT_EQ(entries(tmpfs.path()), QStringList {});
}

INSTANTIATE_TEST_SUITE_P(Outputs, RenderFullDiskTest,
    testing::Values(FullDiskCase { "Picture", { "-o", "DISK/tree.png" } },
        FullDiskCase { "PictureInAFolder", { "-d", "DISK" } },
        FullDiskCase { "Sheet", { "--sheet", "DISK/sheet.png" } }),
    CaseNames::testName);

} // namespace
