#include "program/clsGenSeq.h"
#include "support/CaseNames.h"
#include "support/ErrorNumber.h"
#include "support/FakeMainWindow.h"
#include "support/FakePictureWindow.h"
#include "support/GeneticCodeMatchers.h"
#include "support/ProgramState.h"
#include "support/RandomLog.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace {

class BreedingTest : public ProgramStateTest {
protected:
    BreedingTest() { FakePictureWindow::install(); }

    // A registered picture whose every gene holds the given length; ticked or not.
    std::shared_ptr<clsObject> addPicture(bool ticked, qint16 length)
    {
        auto picture = std::make_shared<clsObject>();
        picture->ID = modObject::NextID++;
        for (qint16 i = 0; i < 12; ++i)
            picture->GenCode().SetGLength(i, length);
        static_cast<FakePictureWindow&>(picture->Display()).parentTicked = ticked;
        modObject::Objects.add(modObject::KeyOf(picture->ID), picture);
        return picture;
    }

    FakeMainWindow main;
    clsGenSeq child;
};

TEST_F(BreedingTest, WithNoParentTheWholeCodeIsRandom)
{
    addPicture(false, 7);
    ScriptedRandom random({}, 0.5F);
    child.Make();
    EXPECT_EQ(random.log, wholeCodeRandom);
    for (qint16 i = 0; i < 12; ++i) {
        EXPECT_EQ(child.GetGLength(i), 500);
        EXPECT_EQ(child.GetGWidth(i), 9);
        EXPECT_TRUE(child.GetGDone(i));
    }
    EXPECT_EQ(modObject::Parents.count(), 0);
}

class WholeCodeRateTest : public BreedingTest, public testing::WithParamInterface<const char*> { };

TEST_P(WholeCodeRateTest, ARateOfOneOrMoreIgnoresTheParents)
{
    addPicture(true, 7);
    main.mutationRate = QString::fromLatin1(GetParam());
    ScriptedRandom random({}, 0.25F);
    child.Make();
    EXPECT_EQ(random.log, wholeCodeRandom);
    EXPECT_EQ(child.GetGLength(3), 250);
    EXPECT_EQ(modObject::Parents.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Rates, WholeCodeRateTest, testing::Values("1", "2", "100", " 1.0E+00 "),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(BreedingTest, AtRateZeroOneParentIsCopiedExactlyOutOfRangeValuesIncluded)
{
    const auto parent = addPicture(true, 7);
    clsGenSeq& p = parent->GenCode();
    p.SetGAngle(0, -40.0);
    p.SetGColorRed(1, 1000);
    p.SetGColorGreen(2, -3);
    p.SetGColorBlue(3, 32767);
    p.SetGDone(4, true);
    p.SetGDraw(5, true);
    p.SetGLength(6, -5);
    p.SetGWidth(7, 0);
    main.mutationRate = QStringLiteral("0");
    ScriptedRandom random({}, 0.999F);

    child.Make();

    EXPECT_EQ(random.log, repeat("S" + repeat("DD", 8), 12));
    EXPECT_TRUE(sameGeneticCode(child, p));
}

TEST_F(BreedingTest, AtRateZeroTwoParentsGiveOnlyTheirValuesMixedWithinAGene)
{
    const auto first = addPicture(true, 10);
    const auto second = addPicture(true, 20);
    for (qint16 i = 0; i < 12; ++i) {
        first->GenCode().SetGWidth(i, 1);
        second->GenCode().SetGWidth(i, 2);
    }
    main.mutationRate = QStringLiteral("-0.5");
    // Per gene: a reseed, then per trait r (never below a negative rate) and s.
    // Angle..Draw from the first parent, Length from the second, Width from the first.
    std::vector<float> perGene;
    for (int trait = 0; trait < 8; ++trait) {
        perGene.push_back(0.0F);
        perGene.push_back(trait == 6 ? 0.5F : 0.49F);
    }
    std::vector<float> draws;
    for (int gene = 0; gene < 12; ++gene)
        draws.insert(draws.end(), perGene.begin(), perGene.end());
    ScriptedRandom random(draws);

    child.Make();

    for (qint16 i = 0; i < 12; ++i) {
        EXPECT_EQ(child.GetGLength(i), 20) << "gene " << i;
        EXPECT_EQ(child.GetGWidth(i), 1) << "gene " << i;
    }
    EXPECT_EQ(modObject::Parents.count(), 2);
    EXPECT_EQ(modObject::Parents.item(QStringLiteral(" 1")).get(), second.get());
}

struct ParentChoice {
    const char* name;
    float s;
    qint16 length;
};

class ParentChoiceTest : public BreedingTest, public testing::WithParamInterface<ParentChoice> { };

TEST_P(ParentChoiceTest, ThreeParentsShareTheRangeOfSInThirdsInRegistryOrder)
{
    addPicture(true, 11);
    addPicture(false, 99); // not ticked: no number among the parents
    addPicture(true, 22);
    addPicture(true, 33);
    main.mutationRate = QStringLiteral("0");
    ScriptedRandom random;
    for (int trait = 0; trait < 96; ++trait)
        random.append({ 0.9F, GetParam().s });
    child.Make();
    EXPECT_EQ(child.GetGLength(0), GetParam().length);
    EXPECT_EQ(child.GetGLength(11), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(Thirds, ParentChoiceTest,
    testing::Values(ParentChoice { "Zero", 0.0F, 11 }, ParentChoice { "JustBelowAThird", 0.3333333F, 11 },
        ParentChoice { "AThird", 1.0F / 3.0F, 22 }, ParentChoice { "JustBelowTwoThirds", 0.6666666F, 22 },
        ParentChoice { "TwoThirds", 2.0F / 3.0F, 33 }, ParentChoice { "LargestBelowOne", 1.0F - 0x1p-24F, 33 }),
    CaseNames::testName);

TEST_F(BreedingTest, AMutatedTraitTakesItsOwnReseedAndDraw)
{
    addPicture(true, 7);
    main.mutationRate = QStringLiteral("0.5");
    // Gene by gene: Angle mutates (r 0.25, then its own draw), the rest are inherited.
    ScriptedRandom random;
    for (int gene = 0; gene < 12; ++gene) {
        random.append({ 0.25F, 0.5F });
        for (int trait = 1; trait < 8; ++trait)
            random.append({ 0.75F, 0.0F });
    }
    child.Make();
    EXPECT_EQ(random.log, repeat("S" + std::string("DSD") + repeat("DD", 7), 12));
    EXPECT_EQ(child.GetGAngle(0), 3.1415901184082031);
    EXPECT_EQ(child.GetGLength(0), 7);
}

TEST_F(BreedingTest, ARateJustBelowOneMutatesEveryTraitTraitByTrait)
{
    addPicture(true, 7);
    // Below 1 as a double, so no whole-code path; 1 in single precision, so every test mutates.
    main.mutationRate = QStringLiteral("0.99999999");
    ScriptedRandom random({}, 0.999F);
    child.Make();
    EXPECT_EQ(random.log, repeat("S" + repeat("DSD", 8), 12));
    EXPECT_EQ(child.GetGLength(5), 999);
}

TEST_F(BreedingTest, ARateBeyondSinglePrecisionOverflowsAtTheFirstTest)
{
    addPicture(true, 7);
    main.mutationRate = QStringLiteral("-1E+39");
    ScriptedRandom random({}, 0.5F);
    EXPECT_EQ(errorOf([&] { child.Make(); }), 6);
    EXPECT_EQ(random.log, "SD");
}

TEST_F(BreedingTest, TheLargestNegativeSingleRateNeverMutates)
{
    addPicture(true, 7);
    main.mutationRate = QStringLiteral("-3.4E+38");
    ScriptedRandom random({}, 0.0F);
    child.Make();
    EXPECT_EQ(child.GetGLength(0), 7);
}

TEST_F(BreedingTest, AClosedPictureIsNeverAParent)
{
    const auto closed = addPicture(true, 7);
    closed->Unload();
    main.mutationRate = QStringLiteral("0");
    ScriptedRandom random({}, 0.5F);
    child.Make();
    EXPECT_EQ(random.log, wholeCodeRandom);
    EXPECT_EQ(modObject::Parents.count(), 0);
}

TEST_F(BreedingTest, TheRateIsReadFromTheBoxWhenNumericAndKeptOtherwise)
{
    ScriptedRandom random({}, 0.5F);
    main.mutationRate = QStringLiteral("0.25");
    child.Make();
    EXPECT_EQ(modGenes::MutationRate, 0.25);
    for (const char* text : { "", "abc", "0.3x" }) {
        main.mutationRate = QString::fromLatin1(text);
        child.Make();
        EXPECT_EQ(modGenes::MutationRate, 0.25) << text;
    }
}

TEST_F(BreedingTest, EachBreedingRefillsTheParents)
{
    const auto a = addPicture(true, 1);
    const auto b = addPicture(true, 2);
    ScriptedRandom random({}, 0.5F);
    child.Make();
    EXPECT_EQ(modObject::Parents.count(), 2);
    static_cast<FakePictureWindow&>(a->Display()).parentTicked = false;
    child.Make();
    ASSERT_EQ(modObject::Parents.count(), 1);
    EXPECT_EQ(modObject::Parents.item(QStringLiteral(" 0")).get(), b.get());
}

} // namespace
