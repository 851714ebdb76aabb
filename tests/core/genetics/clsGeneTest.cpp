#include "core/genetics/clsGene.h"

#include "support/CaseNames.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    float r;
    qint16 length, width;
    double angle;
    qint16 colour;
    bool flag;
};

class RandomTraitTest : public testing::TestWithParam<Expected> { };

TEST_P(RandomTraitTest, EachOperationSetsItsTraitFromOneFreshDraw)
{
    const Expected& e = GetParam();
    clsGene gene;
    ScriptedRandom random({}, e.r);

    gene.RndLength(random);
    gene.RndWidth(random);
    gene.RndAngle(random);
    gene.RndColorRed(random);
    gene.RndColorGreen(random);
    gene.RndColorBlue(random);
    gene.RndDone(random);
    gene.RndDraw(random);

    EXPECT_EQ(gene.Length, e.length);
    EXPECT_EQ(gene.Width, e.width);
    EXPECT_DOUBLE_EQ(gene.Angle, e.angle);
    EXPECT_EQ(gene.ColorRed, e.colour);
    EXPECT_EQ(gene.ColorGreen, e.colour);
    EXPECT_EQ(gene.ColorBlue, e.colour);
    EXPECT_EQ(gene.Done, e.flag);
    EXPECT_EQ(gene.Draw, e.flag);
    EXPECT_EQ(random.log, "SDSDSDSDSDSDSDSD");
}

constexpr float largestBelowOne = 1.0F - 0x1p-24F;

INSTANTIATE_TEST_SUITE_P(Draws, RandomTraitTest,
    testing::Values(Expected { "Zero", 0.0F, 0, 1, 0.0, 0, false },
        Expected { "Half", 0.5F, 500, 9, 3.1415901184082031, 128, true },
        Expected { "JustBelowHalf", 0.5F - 0x1p-24F, 499, 8, 2.0 * (0.5 - 0x1p-24) * 3.1415901184082031, 127, false },
        Expected {
            "LargestBelowOne", largestBelowOne, 999, 16, 2.0 * (1.0 - 0x1p-24) * 3.1415901184082031, 255, true }),
    CaseNames::testName);

TEST(clsGeneTest, AngleUsesTheSinglePrecisionConstantNotPi)
{
    clsGene gene;
    ScriptedRandom random({ 0.5F, largestBelowOne });
    gene.RndAngle(random);
    EXPECT_EQ(gene.Angle, 3.1415901184082031);
    gene.RndAngle(random);
    EXPECT_NEAR(gene.Angle, 6.2831798623, 1e-10);
    EXPECT_LT(gene.Angle, 6.2831802368164062);
}

TEST(clsGeneTest, RandomCallsTheEightOperationsInItsOwnOrder)
{
    // Distinct draws show which operation took which value.
    ScriptedRandom random({ 0.1F, 0.2F, 0.3F, 0.4F, 0.5F, 0.6F, 0.7F, 0.8F });
    clsGene gene;
    gene.Random(random);

    EXPECT_EQ(random.reseeds, 8);
    EXPECT_EQ(random.draws, 8);
    EXPECT_EQ(random.log, "SDSDSDSDSDSDSDSD");
    EXPECT_EQ(gene.Length, 100); // RndLength: 0.1
    EXPECT_DOUBLE_EQ(gene.Angle, 2.0 * double(0.2F) * 3.1415901184082031); // RndAngle: 0.2
    EXPECT_EQ(gene.ColorBlue, 76); // RndColorBlue: 0.3
    EXPECT_EQ(gene.ColorGreen, 102); // RndColorGreen: 0.4
    EXPECT_EQ(gene.ColorRed, 128); // RndColorRed: 0.5
    EXPECT_TRUE(gene.Done); // RndDone: 0.6
    EXPECT_TRUE(gene.Draw); // RndDraw: 0.7
    EXPECT_EQ(gene.Width, 13); // RndWidth: 0.8
}

TEST(clsGeneTest, RandomReplacesOutOfRangeValuesWithValuesInRange)
{
    ScriptedRandom random({}, 0.999F);
    clsGene gene;
    gene.Length = -5;
    gene.Width = 0;
    gene.ColorRed = 1000;
    gene.Angle = -40.0;
    gene.Random(random);
    EXPECT_EQ(gene.Length, 999);
    EXPECT_EQ(gene.Width, 16);
    EXPECT_EQ(gene.ColorRed, 255);
    EXPECT_GE(gene.Angle, 0.0);
}

TEST(clsGeneTest, ANewGeneHoldsZeroesAndFalse)
{
    const clsGene gene;
    EXPECT_EQ(gene.Length, 0);
    EXPECT_EQ(gene.Width, 0);
    EXPECT_EQ(gene.Angle, 0.0);
    EXPECT_EQ(gene.ColorRed, 0);
    EXPECT_EQ(gene.ColorGreen, 0);
    EXPECT_EQ(gene.ColorBlue, 0);
    EXPECT_FALSE(gene.Done);
    EXPECT_FALSE(gene.Draw);
}

} // namespace
