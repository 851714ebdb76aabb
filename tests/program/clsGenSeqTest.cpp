#include "program/clsGenSeq.h"

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

void expectSubscriptError(const std::function<void()>& call)
{
    EXPECT_EQ(errorOf(call), 9);
}

TEST(clsGenSeqTest, ANewGeneticCodeCreatesOnlyTheGenesItIsAskedFor)
{
    clsGenSeq code;
    EXPECT_EQ(code.GetGLength(0), 0);
    EXPECT_FALSE(code.GetGDone(0));
    EXPECT_TRUE(code.HasGene(0));
    for (int i = 1; i < 12; ++i)
        EXPECT_FALSE(code.HasGene(i)) << "gene " << i;
}

TEST(clsGenSeqTest, GeneElevenIsValidAndTwelveAndMinusOneAreNot)
{
    clsGenSeq code;
    code.SetGWidth(11, 4);
    EXPECT_EQ(code.GetGWidth(11), 4);

    for (const qint16 bad : { qint16(12), qint16(-1), qint16(32767), qint16(-32768) }) {
        SCOPED_TRACE(bad);
        expectSubscriptError([&] { code.GetGene(bad); });
        expectSubscriptError([&] { code.GetGColorBlue(bad); });
        expectSubscriptError([&] { code.GetGAngle(bad); });
        expectSubscriptError([&] { code.SetGAngle(bad, 1.0); });
        expectSubscriptError([&] { code.SetGDraw(bad, true); });
    }
    for (int i = 0; i < 11; ++i)
        EXPECT_FALSE(code.HasGene(i)) << "an invalid number created gene " << i;
}

TEST(clsGenSeqTest, GetGeneHandsOutTheGeneItself)
{
    clsGenSeq code;
    const auto first = code.GetGene(3);
    const auto second = code.GetGene(3);
    EXPECT_EQ(first.get(), second.get());
    first->Width = 7;
    EXPECT_EQ(code.GetGWidth(3), 7);
}

TEST(clsGenSeqTest, AGeneOutlivesItsCodeWhileReferenced)
{
    std::shared_ptr<clsGene> gene;
    {
        clsGenSeq code;
        code.SetGLength(2, 321);
        gene = code.GetGene(2);
    }
    EXPECT_EQ(gene->Length, 321);
}

TEST(clsGenSeqTest, AccessorsStoreAndReturnValuesUnchanged)
{
    clsGenSeq code;
    code.SetGAngle(5, -1.5);
    code.SetGColorRed(0, 1000);
    code.SetGColorGreen(1, -7);
    code.SetGColorBlue(2, 32767);
    code.SetGLength(3, -5);
    code.SetGWidth(4, 0);
    code.SetGDone(6, true);
    code.SetGDraw(7, true);

    EXPECT_EQ(code.GetGAngle(5), -1.5);
    EXPECT_EQ(code.GetGColorRed(0), 1000);
    EXPECT_EQ(code.GetGColorGreen(1), -7);
    EXPECT_EQ(code.GetGColorBlue(2), 32767);
    EXPECT_EQ(code.GetGLength(3), -5);
    EXPECT_EQ(code.GetGWidth(4), 0);
    EXPECT_TRUE(code.GetGDone(6));
    EXPECT_TRUE(code.GetGDraw(7));
}

TEST(clsGenSeqTest, InitChangesNothing)
{
    clsGenSeq code;
    code.SetGLength(0, 42);
    code.SetGDone(1, true);
    code.Init();
    EXPECT_EQ(code.GetGLength(0), 42);
    EXPECT_TRUE(code.GetGDone(1));
    EXPECT_FALSE(code.HasGene(2));
}

} // namespace
