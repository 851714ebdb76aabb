// The reader's mutation test: one reseed per record, one draw per trait, every line read.

#include "core/platform/RuntimeError.h"
#include "program/clsGenSeq.h"
#include "support/CaseNames.h"
#include "support/GeneFileTest.h"
#include "support/RandomLog.h"
#include "support/ScriptedRandom.h"

#include <optional>
#include <string>

namespace {

using CaseNames::PrintTo;

using GeneFileMutationTest = GeneFileTest;

// What the random operations give for r = 0.5.
void expectRandomAtHalf(clsGenSeq& genSeq, qint16 gene)
{
    SCOPED_TRACE(testing::Message() << "gene " << gene);
    EXPECT_EQ(genSeq.GetGAngle(gene), 3.1415901184082031);
    EXPECT_EQ(genSeq.GetGColorBlue(gene), 128);
    EXPECT_EQ(genSeq.GetGColorGreen(gene), 128);
    EXPECT_EQ(genSeq.GetGColorRed(gene), 128);
    EXPECT_TRUE(genSeq.GetGDone(gene));
    EXPECT_TRUE(genSeq.GetGDraw(gene));
    EXPECT_EQ(genSeq.GetGLength(gene), 500);
    EXPECT_EQ(genSeq.GetGWidth(gene), 9);
}

// One reseed per record; per trait its draw, then the reseed and draw of its random operation.
std::string everyTraitMutating(int records)
{
    std::string log;
    for (int record = 0; record < records; ++record) {
        log += 'S';
        for (int trait = 0; trait < 8; ++trait)
            log += "DSD";
    }
    return log;
}

struct RateCase {
    const char* name;
    const char* rate;
};

class GeneFileFullMutationTest : public GeneFileMutationTest, public testing::WithParamInterface<RateCase> { };

TEST_P(GeneFileFullMutationTest, GivesEveryTraitARandomValueWithoutConvertingAnyLine)
{
    window.mutationRate = QLatin1String(GetParam().rate);
    writeFile(path("tree.gen"), joinLines(QStringList(108, QStringLiteral("not a number"))));
    ScriptedRandom random({}, 0.5F);
    clsGenSeq genSeq;

    genSeq.Load(path("tree.gen"));

    for (qint16 gene = 0; gene < 12; ++gene)
        expectRandomAtHalf(genSeq, gene);
    EXPECT_EQ(random.log, everyTraitMutating(12));
}

TEST_P(GeneFileFullMutationTest, StillReadsEveryLine)
{
    window.mutationRate = QLatin1String(GetParam().rate);
    writeFile(path("tree.gen"), joinLines(QStringList(107, QStringLiteral("not a number"))));
    ScriptedRandom random({}, 0.5F);
    clsGenSeq genSeq;

    const std::optional<RuntimeError> error = loadError(genSeq, path("tree.gen"));

    ASSERT_TRUE(error.has_value()) << "line 108 was never read";
    EXPECT_EQ(error->number(), RuntimeError::InputPastEndOfFile);
    EXPECT_EQ(
        error->concerns(), QStringLiteral("in \"%1\", line 108 (empty line ending gene 11)").arg(path("tree.gen")));
}

INSTANTIATE_TEST_SUITE_P(Rates, GeneFileFullMutationTest,
    testing::Values(RateCase { "One", "1" }, RateCase { "Two", "2" }, RateCase { "Huge", "1E+30" },
        RateCase { "RoundsToTheLargestSingle", "3.4028235E+38" }),
    CaseNames::testName);

TEST_F(GeneFileMutationTest, ARateBetweenZeroAndOneTakesEachUnmutatedTraitFromItsOwnLine)
{
    window.mutationRate = QStringLiteral("0.5");
    const auto mutates = [](int gene, int trait) { return (gene * 8 + trait) % 3 == 0; };
    QStringList lines;
    std::vector<float> draws;
    std::string expectedLog;
    for (int gene = 0; gene < 12; ++gene) {
        const QStringList record = distinctRecord(gene).lines();
        expectedLog += 'S';
        for (int trait = 0; trait < 8; ++trait) {
            // A mutating trait's line would fail to convert, were it converted.
            lines += mutates(gene, trait) ? QStringLiteral("not converted") : record[trait];
            draws.push_back(mutates(gene, trait) ? 0.25F : 0.75F);
            expectedLog += 'D';
            if (mutates(gene, trait)) {
                draws.push_back(0.75F);
                expectedLog += "SD";
            }
        }
        lines += QString();
    }
    writeFile(path("tree.gen"), joinLines(lines));
    ScriptedRandom random(draws);
    clsGenSeq genSeq;

    genSeq.Load(path("tree.gen"));

    EXPECT_EQ(random.log, expectedLog);
    for (qint16 gene = 0; gene < 12; ++gene) {
        SCOPED_TRACE(testing::Message() << "gene " << gene);
        const QStringList record = distinctRecord(gene).lines();
        const auto expected
            = [&](int trait, double random) { return mutates(gene, trait) ? random : record[trait].toDouble(); };
        const auto expectedSwitch
            = [&](int trait) { return mutates(gene, trait) || record[trait] == QStringLiteral("True"); };
        EXPECT_EQ(genSeq.GetGAngle(gene), expected(0, 2.0 * 0.75 * static_cast<double>(3.14159F)));
        EXPECT_EQ(genSeq.GetGColorBlue(gene), expected(1, 192));
        EXPECT_EQ(genSeq.GetGColorGreen(gene), expected(2, 192));
        EXPECT_EQ(genSeq.GetGColorRed(gene), expected(3, 192));
        EXPECT_EQ(genSeq.GetGDone(gene), expectedSwitch(4));
        EXPECT_EQ(genSeq.GetGDraw(gene), expectedSwitch(5));
        EXPECT_EQ(genSeq.GetGLength(gene), expected(6, 750));
        EXPECT_EQ(genSeq.GetGWidth(gene), expected(7, 13));
    }
}

struct ThresholdCase {
    const char* name;
    const char* rate;
    float r;
    bool mutates;
};

class GeneFileThresholdTest : public GeneFileMutationTest, public testing::WithParamInterface<ThresholdCase> { };

TEST_P(GeneFileThresholdTest, ComparesTheRateInSinglePrecision)
{
    window.mutationRate = QLatin1String(GetParam().rate);
    writeFile(path("tree.gen"), joinLines(distinctRecord(0).lines()));
    // The first trait's draw, then values that only a rate of 1 or more mutates with.
    ScriptedRandom random({ GetParam().r }, 0.99999994F);
    clsGenSeq genSeq;

    genSeq.Load(path("tree.gen"));

    const std::string start = GetParam().mutates ? "SDSD" : "SDD";
    EXPECT_EQ(random.log.substr(0, start.size()), start);
    EXPECT_EQ(genSeq.GetGAngle(0) == 0.125, !GetParam().mutates);
}

INSTANTIATE_TEST_SUITE_P(Rates, GeneFileThresholdTest,
    testing::Values(ThresholdCase { "EqualOnlyInSinglePrecision", "0.50000001", 0.5F, false },
        ThresholdCase { "AboveInSinglePrecision", "0.5000001", 0.5F, true },
        ThresholdCase { "Equal", "0.5", 0.5F, false }, ThresholdCase { "ZeroRateZeroDraw", "0", 0.0F, false },
        ThresholdCase { "NegativeRate", "-1", 0.0F, false },
        ThresholdCase { "RateOneLargestDraw", "1", 0.99999994F, true },
        ThresholdCase { "SmallestSingleAboveZero", "1E-45", 0.0F, true },
        ThresholdCase { "RoundsToZeroInSinglePrecision", "1E-46", 0.0F, false }),
    CaseNames::testName);

class GeneFileRateOverflowTest : public GeneFileMutationTest, public testing::WithParamInterface<RateCase> { };

TEST_P(GeneFileRateOverflowTest, ARateBeyondSinglePrecisionOverflowsAtTheFirstTrait)
{
    window.mutationRate = QLatin1String(GetParam().rate);
    writeFile(path("tree.gen"), joinLines(distinctRecords(12)));
    ScriptedRandom random({}, 0.5F);
    clsGenSeq genSeq;

    const std::optional<RuntimeError> error = loadError(genSeq, path("tree.gen"));

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), RuntimeError::Overflow);
    EXPECT_TRUE(
        error->concerns().startsWith(QStringLiteral("in \"%1\", line 1 (Angle of gene 0)").arg(path("tree.gen"))))
        << error->message().toStdString();
    EXPECT_EQ(random.log, "SD");
    EXPECT_FALSE(genSeq.HasGene(0));
}

INSTANTIATE_TEST_SUITE_P(Rates, GeneFileRateOverflowTest,
    testing::Values(RateCase { "Above", "1E+39" }, RateCase { "Below", "-1E+39" }, RateCase { "JustAbove", "3.5E+38" }),
    CaseNames::testName);

struct RateBoxCase {
    const char* name;
    const char* box;
    // The rate the load works at, and what it draws and reads at that rate.
    double rate;
    std::string log;
    qint16 length;
};

class GeneFileRateBoxTest : public GeneFileMutationTest, public testing::WithParamInterface<RateBoxCase> { };

// Every load reads the box afresh; a box that holds no number keeps the rate of the load before.
TEST_P(GeneFileRateBoxTest, IsReadAtEachLoad)
{
    modGenes::MutationRate = 1.0;
    window.mutationRate = QLatin1String(GetParam().box);
    writeFile(path("tree.gen"), joinLines(distinctRecords(12)));
    ScriptedRandom random({}, 0.5F);
    clsGenSeq genSeq;

    genSeq.Load(path("tree.gen"));

    EXPECT_EQ(modGenes::MutationRate, GetParam().rate);
    EXPECT_EQ(random.log, GetParam().log);
    EXPECT_EQ(genSeq.GetGLength(11), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(Boxes, GeneFileRateBoxTest,
    testing::Values(RateBoxCase { "NotANumberKeepsThePreviousRate", "abc", 1.0, everyTraitMutating(12), 500 },
        RateBoxCase { "ZeroIsReadAfresh", "0", 0.0, repeat("S" + repeat("D", 8), 12), -111 }),
    CaseNames::testName);

} // namespace
