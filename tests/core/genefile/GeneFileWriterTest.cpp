// The writer: the file's layout, its text forms, and replacing a file whole.

#include "core/genefile/GeneFileWriter.h"

#include "program/clsGenSeq.h"
#include "support/CaseNames.h"
#include "support/GeneFileTest.h"

#include <QLocale>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using CaseNames::PrintTo;

class GeneFileWriterTest : public GeneFileTest { };

// Sets gene g of a genetic code from distinctRecord(g), through the setters.
void setDistinct(clsGenSeq& genSeq, qint16 gene)
{
    genSeq.SetGAngle(gene, gene + 0.125);
    genSeq.SetGColorBlue(gene, static_cast<qint16>(10 + gene));
    genSeq.SetGColorGreen(gene, static_cast<qint16>(30 + gene));
    genSeq.SetGColorRed(gene, static_cast<qint16>(50 + gene));
    genSeq.SetGDone(gene, gene % 2 == 0);
    genSeq.SetGDraw(gene, gene % 3 == 0);
    genSeq.SetGLength(gene, static_cast<qint16>(-100 - gene));
    genSeq.SetGWidth(gene, static_cast<qint16>(1 + gene));
}

TEST_F(GeneFileWriterTest, WritesTwelveRecordsOfNineLinesInRecordOrderWithCrLf)
{
    clsGenSeq genSeq;
    for (qint16 gene = 0; gene < clsGenSeq::GeneCount; ++gene)
        setDistinct(genSeq, gene);

    GeneFileWriter::Save(genSeq.Code(), path("tree.gen"));

    const QByteArray bytes = readFile(path("tree.gen"));
    EXPECT_EQ(bytes, joinLines(distinctRecords(12)));
    EXPECT_EQ(bytes.count("\r\n"), 108);
    EXPECT_EQ(bytes.count('\n'), 108) << "a line end without its CR";
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n"));
}

TEST_F(GeneFileWriterTest, WritesTheWorkedExampleRecord)
{
    clsGenSeq genSeq;
    genSeq.SetGAngle(0, 1.5707950592041016);
    genSeq.SetGColorBlue(0, 200);
    genSeq.SetGColorGreen(0, 17);
    genSeq.SetGColorRed(0, 255);
    genSeq.SetGDone(0, false);
    genSeq.SetGDraw(0, true);
    genSeq.SetGLength(0, 640);
    genSeq.SetGWidth(0, 3);

    GeneFileWriter::Save(genSeq.Code(), path("tree.gen"));

    const QStringList lines = crLfLines(readFile(path("tree.gen")));
    ASSERT_EQ(lines.size(), 108);
    const QStringList expected { "1.5707950592041", "200", "17", "255", "False", "True", "640", "3", "" };
    EXPECT_EQ(lines.mid(0, 9), expected);
}

struct LocaleCase {
    const char* name;
    QLocale locale;
    const char* angleLine;
};

class GeneFileWriterLocaleTest : public GeneFileTest, public testing::WithParamInterface<LocaleCase> {
protected:
    ~GeneFileWriterLocaleTest() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

TEST_P(GeneFileWriterLocaleTest, WritesTheAngleWithTheLocalesDecimalSeparator)
{
    QLocale::setDefault(GetParam().locale);
    clsGenSeq genSeq;
    genSeq.SetGAngle(0, 1.5707950592041016);
    genSeq.SetGLength(0, -12);

    GeneFileWriter::Save(genSeq.Code(), path("tree.gen"));

    const QStringList lines = crLfLines(readFile(path("tree.gen")));
    ASSERT_EQ(lines.size(), 108);
    EXPECT_EQ(lines[0], QLatin1String(GetParam().angleLine));
    EXPECT_EQ(lines[6], QStringLiteral("-12"));
}

INSTANTIATE_TEST_SUITE_P(Locales, GeneFileWriterLocaleTest,
    testing::Values(LocaleCase { "Point", QLocale(QLocale::English, QLocale::UnitedStates), "1.5707950592041" },
        LocaleCase { "Comma", QLocale(QLocale::German, QLocale::Germany), "1,5707950592041" },
        // Regression: the Arabic separator is no single byte and was written as "?", so the file
        // no longer read back.
        LocaleCase { "ArabicSeparatorWrittenAsPoint", QLocale(QLocale::Arabic, QLocale::Egypt), "1.5707950592041" }),
    CaseNames::testName);

TEST_F(GeneFileWriterTest, WritesUntouchedGenesWithTheirInitialValuesAndFillsTheirSlots)
{
    clsGenSeq genSeq;
    setDistinct(genSeq, 0);

    GeneFileWriter::Save(genSeq.Code(), path("tree.gen"));

    const QStringList lines = crLfLines(readFile(path("tree.gen")));
    ASSERT_EQ(lines.size(), 108);
    const QStringList initial { "0", "0", "0", "0", "False", "False", "0", "0", "" };
    EXPECT_EQ(lines.mid(0, 9), distinctRecord(0).lines());
    for (int gene = 1; gene < 12; ++gene) {
        EXPECT_EQ(lines.mid(gene * 9, 9), initial) << "gene " << gene;
        EXPECT_TRUE(genSeq.HasGene(gene)) << "gene " << gene;
    }
    EXPECT_EQ(genSeq.GetGLength(0), -100) << "saving changed the genetic code";
}

TEST_F(GeneFileWriterTest, SavingOverALongerFileLeavesExactly108Lines)
{
    QStringList old;
    for (int i = 0; i < 200; ++i)
        old += QStringLiteral("old line %1").arg(i);
    writeFile(path("tree.gen"), joinLines(old));
    clsGenSeq genSeq;

    GeneFileWriter::Save(genSeq.Code(), path("tree.gen"));

    EXPECT_EQ(crLfLines(readFile(path("tree.gen"))).size(), 108);
}

TEST_F(GeneFileWriterTest, SavingLeavesNoOtherFileInTheFolder)
{
    writeFile(path("tree.gen"), "old\r\n");
    clsGenSeq genSeq;

    GeneFileWriter::Save(genSeq.Code(), path("tree.gen"));
    GeneFileWriter::Save(genSeq.Code(), path("new.gen"));

    EXPECT_EQ(entries(dir.path()), (QStringList { "new.gen", "tree.gen" }));
}

TEST_F(GeneFileWriterTest, SavingOverAFileKeepsItsPermissions)
{
    writeFile(path("tree.gen"), "old\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path("tree.gen")).constData(), 0640), 0);
    clsGenSeq genSeq;

    GeneFileWriter::Save(genSeq.Code(), path("tree.gen"));

    struct stat status { };
    ASSERT_EQ(::stat(QFile::encodeName(path("tree.gen")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(GeneFileWriterTest, ANewFileTakesItsPermissionsFromTheUmask)
{
    const mode_t mask = ::umask(027);
    clsGenSeq genSeq;

    GeneFileWriter::Save(genSeq.Code(), path("tree.gen"));
    ::umask(mask);

    struct stat status { };
    ASSERT_EQ(::stat(QFile::encodeName(path("tree.gen")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(GeneFileWriterTest, SavingUnderASymbolicLinkReplacesTheLinkedFileAndKeepsTheLink)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    writeFile(path("real/tree.gen"), "old\r\n");
    ASSERT_EQ(::symlink("real/tree.gen", QFile::encodeName(path("link.gen")).constData()), 0);
    clsGenSeq genSeq;
    setDistinct(genSeq, 0);

    GeneFileWriter::Save(genSeq.Code(), path("link.gen"));

    EXPECT_EQ(QFileInfo(path("link.gen")).symLinkTarget(), path("real/tree.gen"));
    const QStringList lines = crLfLines(readFile(path("real/tree.gen")));
    ASSERT_EQ(lines.size(), 108);
    EXPECT_EQ(lines.mid(0, 9), distinctRecord(0).lines());
    EXPECT_EQ(entries(dir.path()), (QStringList { "link.gen", "real" }));
    EXPECT_EQ(entries(path("real")), QStringList { "tree.gen" });
}

} // namespace
