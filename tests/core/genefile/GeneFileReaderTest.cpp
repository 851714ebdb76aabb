// The reader at mutation rate 0: records, conversions, short and long files, and its errors.

#include "core/genefile/GeneFileReader.h"

#include "core/genefile/GeneFileWriter.h"
#include "core/platform/RuntimeError.h"
#include "program/clsGenSeq.h"
#include "support/CaseNames.h"
#include "support/GeneFileTest.h"
#include "support/ScriptedRandom.h"

#include <QLocale>

#include <functional>
#include <optional>
#include <variant>

namespace {

using CaseNames::PrintTo;

class GeneFileReaderTest : public GeneFileTest {
protected:
    GeneFileReaderTest() { window.mutationRate = QStringLiteral("0"); }

    static void expectDistinct(clsGenSeq& genSeq, qint16 gene)
    {
        SCOPED_TRACE(testing::Message() << "gene " << gene);
        EXPECT_EQ(genSeq.GetGAngle(gene), gene + 0.125);
        EXPECT_EQ(genSeq.GetGColorBlue(gene), 10 + gene);
        EXPECT_EQ(genSeq.GetGColorGreen(gene), 30 + gene);
        EXPECT_EQ(genSeq.GetGColorRed(gene), 50 + gene);
        EXPECT_EQ(genSeq.GetGDone(gene), gene % 2 == 0);
        EXPECT_EQ(genSeq.GetGDraw(gene), gene % 3 == 0);
        EXPECT_EQ(genSeq.GetGLength(gene), -100 - gene);
        EXPECT_EQ(genSeq.GetGWidth(gene), 1 + gene);
    }

    // Every draw far above any rate used here: nothing mutates.
    ScriptedRandom random { {}, 0.99F };
};

struct LineEnds {
    const char* name;
    // The end of line i.
    const char* (*end)(int i);
};

class GeneFileLineEndsTest : public GeneFileReaderTest, public testing::WithParamInterface<LineEnds> { };

TEST_P(GeneFileLineEndsTest, ReadsTwelveRecordsInRecordOrder)
{
    const QStringList lines = distinctRecords(12);
    QByteArray bytes;
    for (int i = 0; i < lines.size(); ++i)
        bytes += lines[i].toLatin1() + GetParam().end(i);
    writeFile(path("tree.gen"), bytes);
    clsGenSeq genSeq;

    genSeq.Load(path("tree.gen"));

    for (qint16 gene = 0; gene < 12; ++gene)
        expectDistinct(genSeq, gene);
}

INSTANTIATE_TEST_SUITE_P(Ends, GeneFileLineEndsTest,
    testing::Values(LineEnds { "CrLf", [](int) { return "\r\n"; } }, LineEnds { "BareLf", [](int) { return "\n"; } },
        LineEnds { "Mixed", [](int i) { return i % 2 == 0 ? "\n" : "\r\n"; } }),
    CaseNames::testName);

TEST_F(GeneFileReaderTest, ANameWithNoFileChangesNothing)
{
    clsGenSeq genSeq;
    window.mutationRate = QStringLiteral("0.25");

    genSeq.Load(path("missing.gen"));

    for (int gene = 0; gene < 12; ++gene)
        EXPECT_FALSE(genSeq.HasGene(gene));
    EXPECT_EQ(random.log, "");
    EXPECT_EQ(modGenes::MutationRate, 0.25) << "the mutation rate was not refreshed";
}

TEST_F(GeneFileReaderTest, AnEmptyFileChangesNothing)
{
    writeFile(path("tree.gen"), {});
    clsGenSeq genSeq;

    genSeq.Load(path("tree.gen"));

    for (int gene = 0; gene < 12; ++gene)
        EXPECT_FALSE(genSeq.HasGene(gene));
    EXPECT_EQ(random.log, "");
}

TEST_F(GeneFileReaderTest, FiveRecordsSetGenesZeroToFourAndASaveWritesTheRestAsInitialValues)
{
    writeFile(path("short.gen"), joinLines(distinctRecords(5)));
    clsGenSeq genSeq;

    genSeq.Load(path("short.gen"));

    for (qint16 gene = 0; gene < 5; ++gene)
        expectDistinct(genSeq, gene);
    for (int gene = 5; gene < 12; ++gene)
        EXPECT_FALSE(genSeq.HasGene(gene)) << "gene " << gene;
    EXPECT_EQ(random.reseeds, 5);

    GeneFileWriter::Save(genSeq.Code(), path("tree.gen"));

    const QStringList lines = crLfLines(readFile(path("tree.gen")));
    ASSERT_EQ(lines.size(), 108);
    EXPECT_EQ(lines.mid(0, 45), distinctRecords(5));
    for (int gene = 5; gene < 12; ++gene)
        EXPECT_EQ(lines.mid(gene * 9, 9), RecordText().lines()) << "gene " << gene;
}

TEST_F(GeneFileReaderTest, AThirteenthRecordIsNeverRead)
{
    RecordText garbage;
    garbage.angle = QStringLiteral("not a number");
    writeFile(path("tree.gen"), joinLines(distinctRecords(12) + garbage.lines()));
    clsGenSeq genSeq;

    genSeq.Load(path("tree.gen"));

    expectDistinct(genSeq, 11);
    EXPECT_EQ(random.reseeds, 12);
    EXPECT_EQ(random.draws, 96);
}

TEST_F(GeneFileReaderTest, TheNinthLineIsIgnoredWhateverItHolds)
{
    QStringList lines = distinctRecords(12);
    lines[8] = QStringLiteral("anything at all");
    lines[17] = QStringLiteral("32768");
    writeFile(path("tree.gen"), joinLines(lines));
    clsGenSeq genSeq;

    genSeq.Load(path("tree.gen"));

    expectDistinct(genSeq, 1);
    expectDistinct(genSeq, 2);
}

TEST_F(GeneFileReaderTest, RoundTripsEveryTraitAtRateZero)
{
    clsGenSeq saved;
    for (qint16 gene = 0; gene < 12; ++gene) {
        saved.SetGAngle(gene, (gene + 1) * 6.2831802368164062 / 13.0);
        saved.SetGColorBlue(gene, static_cast<qint16>(gene * 23));
        saved.SetGColorGreen(gene, static_cast<qint16>(255 - gene * 7));
        saved.SetGColorRed(gene, static_cast<qint16>(gene * 19 % 256));
        saved.SetGDone(gene, gene % 4 == 1);
        saved.SetGDraw(gene, gene % 3 != 1);
        saved.SetGLength(gene, static_cast<qint16>(gene * 83 - 400));
        saved.SetGWidth(gene, static_cast<qint16>(gene + 1));
    }
    saved.SetGAngle(1, -2.5e-7);
    saved.SetGAngle(2, 1.0e20 / 3.0);
    saved.SetGLength(3, -32768);
    saved.SetGWidth(3, 32767);
    GeneFileWriter::Save(saved.Code(), path("tree.gen"));
    clsGenSeq loaded;

    loaded.Load(path("tree.gen"));

    for (qint16 gene = 0; gene < 12; ++gene) {
        SCOPED_TRACE(testing::Message() << "gene " << gene);
        EXPECT_EQ(QString::number(loaded.GetGAngle(gene), 'g', 15), QString::number(saved.GetGAngle(gene), 'g', 15));
        EXPECT_NEAR(loaded.GetGAngle(gene), saved.GetGAngle(gene), std::abs(saved.GetGAngle(gene)) * 1e-14);
        EXPECT_EQ(loaded.GetGColorBlue(gene), saved.GetGColorBlue(gene));
        EXPECT_EQ(loaded.GetGColorGreen(gene), saved.GetGColorGreen(gene));
        EXPECT_EQ(loaded.GetGColorRed(gene), saved.GetGColorRed(gene));
        EXPECT_EQ(loaded.GetGDone(gene), saved.GetGDone(gene));
        EXPECT_EQ(loaded.GetGDraw(gene), saved.GetGDraw(gene));
        EXPECT_EQ(loaded.GetGLength(gene), saved.GetGLength(gene));
        EXPECT_EQ(loaded.GetGWidth(gene), saved.GetGWidth(gene));
    }
}

struct LocalePair {
    const char* name;
    QLocale writer;
    QLocale reader;
};

class GeneFileAcrossLocalesTest : public GeneFileReaderTest, public testing::WithParamInterface<LocalePair> {
protected:
    ~GeneFileAcrossLocalesTest() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

TEST_P(GeneFileAcrossLocalesTest, AFileReadsBackWhereTheDecimalSeparatorDiffers)
{
    clsGenSeq saved;
    saved.SetGAngle(0, 1.5707950592041016);
    saved.SetGAngle(11, -0.000123456789012345);
    QLocale::setDefault(GetParam().writer);
    GeneFileWriter::Save(saved.Code(), path("tree.gen"));
    QLocale::setDefault(GetParam().reader);
    clsGenSeq loaded;

    loaded.Load(path("tree.gen"));

    EXPECT_EQ(loaded.GetGAngle(0), 1.5707950592041);
    EXPECT_EQ(loaded.GetGAngle(11), -0.000123456789012345);
}

const QLocale point(QLocale::English, QLocale::UnitedStates);
const QLocale comma(QLocale::German, QLocale::Germany);
const QLocale arabic(QLocale::Arabic, QLocale::Egypt);

INSTANTIATE_TEST_SUITE_P(Locales, GeneFileAcrossLocalesTest,
    testing::Values(LocalePair { "PointToPoint", point, point }, LocalePair { "PointToComma", point, comma },
        LocalePair { "CommaToPoint", comma, point }, LocalePair { "CommaToComma", comma, comma },
        LocalePair { "ArabicToArabic", arabic, arabic }),
    CaseNames::testName);

// One line of gene 2's record replaced; what it reads as, or the error it raises.
struct LineCase {
    const char* name;
    int lineInRecord; // 1 to 8
    const char* text;
    std::variant<double, int> expected; // the trait's value, or the error number
};

double traitValue(clsGenSeq& genSeq, int lineInRecord)
{
    constexpr qint16 gene = 2;
    switch (lineInRecord) {
    case 1:
        return genSeq.GetGAngle(gene);
    case 2:
        return genSeq.GetGColorBlue(gene);
    case 3:
        return genSeq.GetGColorGreen(gene);
    case 4:
        return genSeq.GetGColorRed(gene);
    case 5:
        return genSeq.GetGDone(gene) ? -1 : 0;
    case 6:
        return genSeq.GetGDraw(gene) ? -1 : 0;
    case 7:
        return genSeq.GetGLength(gene);
    default:
        return genSeq.GetGWidth(gene);
    }
}

const char* const traitNames[] = { "Angle", "ColorBlue", "ColorGreen", "ColorRed", "Done", "Draw", "Length", "Width" };

class GeneFileLineTest : public GeneFileReaderTest, public testing::WithParamInterface<LineCase> { };

TEST_P(GeneFileLineTest, ReadsTheLine)
{
    const LineCase& c = GetParam();
    QStringList lines = distinctRecords(12);
    const int lineNumber = 18 + c.lineInRecord;
    lines[lineNumber - 1] = QLatin1String(c.text);
    writeFile(path("tree.gen"), joinLines(lines));
    clsGenSeq genSeq;

    const std::optional<RuntimeError> error = loadError(genSeq, path("tree.gen"));

    if (const double* value = std::get_if<double>(&c.expected)) {
        ASSERT_FALSE(error.has_value()) << error->message().toStdString();
        EXPECT_EQ(traitValue(genSeq, c.lineInRecord), *value);
        expectDistinct(genSeq, 11);
        return;
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), std::get<int>(c.expected));
    EXPECT_EQ(error->concerns(),
        QStringLiteral("in \"%1\", line %2 (%3 of gene 2): \"%4\"")
            .arg(path("tree.gen"), QString::number(lineNumber), QLatin1String(traitNames[c.lineInRecord - 1]),
                QLatin1String(c.text)));
    // What was stored before the failing line stays.
    expectDistinct(genSeq, 1);
    if (c.lineInRecord > 1) {
        EXPECT_EQ(genSeq.GetGAngle(2), 2.125);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, GeneFileLineTest,
    testing::Values(LineCase { "HalfDownToEven", 7, "12.5", 12.0 }, LineCase { "HalfUpToEven", 7, "13.5", 14.0 },
        LineCase { "CommaHalf", 2, "13,5", 14.0 }, LineCase { "NegativeHalf", 7, "-2.5", -2.0 },
        LineCase { "Largest", 8, "32767", 32767.0 }, LineCase { "Smallest", 4, "-32768", -32768.0 },
        LineCase { "JustRoundsIn", 3, "32767.49", 32767.0 },
        LineCase { "Overflow", 7, "32768", RuntimeError::Overflow },
        LineCase { "RoundsToOverflow", 8, "32767.5", RuntimeError::Overflow },
        LineCase { "NegativeOverflow", 2, "-32769", RuntimeError::Overflow },
        LineCase { "Letters", 2, "abc", RuntimeError::TypeMismatch },
        LineCase { "EmptyInteger", 3, "", RuntimeError::TypeMismatch },
        LineCase { "Grouped", 7, "1,000.5", RuntimeError::TypeMismatch },
        LineCase { "IntegerWord", 4, "True", RuntimeError::TypeMismatch }, LineCase { "BlanksAround", 4, " 7 ", 7.0 },
        LineCase { "SwitchZero", 5, "0", 0.0 }, LineCase { "SwitchMinusOne", 6, "-1", -1.0 },
        LineCase { "SwitchTrue", 5, "True", -1.0 }, LineCase { "SwitchFalse", 6, "False", 0.0 },
        LineCase { "SwitchLowerCase", 5, "true", -1.0 }, LineCase { "SwitchUpperCase", 6, "FALSE", 0.0 },
        LineCase { "SwitchWord", 5, "yes", RuntimeError::TypeMismatch },
        LineCase { "SwitchEmpty", 6, "", RuntimeError::TypeMismatch },
        LineCase { "AnglePoint", 1, "1.5707950592041", 1.5707950592041 },
        LineCase { "AngleComma", 1, "1,5707950592041", 1.5707950592041 },
        LineCase { "AngleExponent", 1, "-2.5E-07", -2.5e-7 }, LineCase { "AngleLowerExponent", 1, "1.5e+20", 1.5e20 },
        LineCase { "AngleTwoSeparators", 1, "1.5.3", RuntimeError::TypeMismatch },
        LineCase { "AngleLetters", 1, "pi", RuntimeError::TypeMismatch },
        LineCase { "AngleTooLarge", 1, "1E+400", RuntimeError::TypeMismatch }),
    CaseNames::testName);

class GeneFileCommaLocaleLineTest : public GeneFileReaderTest {
protected:
    GeneFileCommaLocaleLineTest() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GeneFileCommaLocaleLineTest() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

TEST_F(GeneFileCommaLocaleLineTest, ReadsTheWorkedExamplesAngleWithEitherSeparator)
{
    for (const char* angle : { "1,5707950592041", "1.5707950592041" }) {
        RecordText record;
        record.angle = QLatin1String(angle);
        writeFile(path("tree.gen"), joinLines(record.lines()));
        clsGenSeq genSeq;

        genSeq.Load(path("tree.gen"));

        EXPECT_EQ(genSeq.GetGAngle(0), 1.5707950592041) << angle;
    }
}

TEST_F(GeneFileReaderTest, ErrorsNameTheFileAsTypedTheLineAndWhatBelongsThere)
{
    QStringList lines = distinctRecords(12);
    lines[10] = QStringLiteral("abc");
    writeFile(path("tree.gen"), joinLines(lines));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    clsGenSeq genSeq;

    const std::optional<RuntimeError> error = loadError(genSeq, QStringLiteral("tree.gen"));
    QDir::setCurrent(previous);

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message(),
        QStringLiteral("Type mismatch (error 13) in \"tree.gen\", line 11 (ColorBlue of gene 1): \"abc\""));
}

TEST_F(GeneFileReaderTest, ALastRecordWithoutItsEmptyLineFailsAtItsEnd)
{
    QStringList lines = distinctRecords(12);
    lines.removeLast();
    writeFile(path("tree.gen"), joinLines(lines));
    clsGenSeq genSeq;

    const std::optional<RuntimeError> error = loadError(genSeq, path("tree.gen"));

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message(),
        QStringLiteral("Input past end of file (error 62) in \"%1\", line 108 (empty line ending gene 11)")
            .arg(path("tree.gen")));
    expectDistinct(genSeq, 11);
}

TEST_F(GeneFileReaderTest, AFileEndingInsideARecordFailsAtTheMissingLineAndKeepsWhatWasRead)
{
    writeFile(path("tree.gen"), joinLines(distinctRecords(6).mid(0, 50)));
    clsGenSeq genSeq;

    const std::optional<RuntimeError> error = loadError(genSeq, path("tree.gen"));

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), RuntimeError::InputPastEndOfFile);
    EXPECT_EQ(error->concerns(), QStringLiteral("in \"%1\", line 51 (Draw of gene 5)").arg(path("tree.gen")));
    expectDistinct(genSeq, 4);
    EXPECT_EQ(genSeq.GetGDone(5), false);
    EXPECT_EQ(genSeq.GetGColorRed(5), 55);
    EXPECT_FALSE(genSeq.HasGene(6));
}

TEST_F(GeneFileReaderTest, ALastLineWithoutItsEndStillCounts)
{
    QStringList lines = distinctRecords(12);
    lines.last() = QStringLiteral("the end");
    QByteArray bytes = joinLines(lines);
    bytes.chop(2);
    writeFile(path("tree.gen"), bytes);
    clsGenSeq genSeq;

    genSeq.Load(path("tree.gen"));

    expectDistinct(genSeq, 11);
}

struct LongLineCase {
    const char* name;
    int lineNumber;
    qsizetype length;
    bool refused;
};

class GeneFileLongLineTest : public GeneFileReaderTest, public testing::WithParamInterface<LongLineCase> { };

TEST_P(GeneFileLongLineTest, RefusesLinesBeyond4096Characters)
{
    const LongLineCase& c = GetParam();
    QStringList lines = distinctRecords(12);
    // Leading zeros keep the line a number of the same value.
    const QString original = lines[c.lineNumber - 1];
    lines[c.lineNumber - 1] = original.rightJustified(c.length, QLatin1Char('0'));
    writeFile(path("tree.gen"), joinLines(lines));
    clsGenSeq genSeq;

    const std::optional<RuntimeError> error = loadError(genSeq, path("tree.gen"));

    if (!c.refused) {
        EXPECT_FALSE(error.has_value()) << error->message().toStdString();
        expectDistinct(genSeq, 11);
        return;
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), RuntimeError::TypeMismatch);
    EXPECT_TRUE(
        error->concerns().startsWith(QStringLiteral("in \"%1\", line %2 (").arg(path("tree.gen")).arg(c.lineNumber)))
        << error->message().toStdString();
    EXPECT_TRUE(error->concerns().endsWith(QStringLiteral("): a line longer than 4096 characters")))
        << error->message().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Lengths, GeneFileLongLineTest,
    testing::Values(LongLineCase { "AtTheLimit", 8, 4096, false }, LongLineCase { "OneOver", 8, 4097, true },
        LongLineCase { "EmptyLineOneOver", 9, 4097, true }, LongLineCase { "Huge", 100, 1 << 20, true }),
    CaseNames::testName);

} // namespace
