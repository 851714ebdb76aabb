#include "core/album/Likeness.h"

#include "support/CaseNames.h"
#include "support/TestCodes.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

using CaseNames::PrintTo;

// One trait of 96 that differs as far as it can counts 1/96.
constexpr double OneTrait = 1.0 / 96;

struct LikenessCase {
    const char* name;
    // What differs in the second code, made from the first.
    void (*change)(GeneticCode& code);
    double distance;
};

class LikenessTest : public testing::TestWithParam<LikenessCase> { };

TEST_P(LikenessTest, MeasuresEachTraitOverItsRangeTheSameEitherWayRound)
{
    const GeneticCode first = testCode(3);
    GeneticCode second = first;
    GetParam().change(second);

    EXPECT_NEAR(Likeness::distance(first, second), GetParam().distance, 1e-12);
    EXPECT_EQ(Likeness::distance(first, second), Likeness::distance(second, first));
}

INSTANTIATE_TEST_SUITE_P(Traits, LikenessTest,
    testing::Values(LikenessCase { "SameCode", [](GeneticCode&) {}, 0.0 },
        LikenessCase { "LengthAcrossItsRange", [](GeneticCode& c) { c[0].Length += 999; }, OneTrait },
        LikenessCase { "LengthAThirdOfItsRange", [](GeneticCode& c) { c[4].Length += 333; }, OneTrait / 3 },
        LikenessCase { "WidthAcrossItsRange", [](GeneticCode& c) { c[1].Width += 15; }, OneTrait },
        LikenessCase { "ColourAcrossItsRange", [](GeneticCode& c) { c[2].ColorGreen += 255; }, OneTrait },
        LikenessCase { "HalfATurnIsTheFarthest", [](GeneticCode& c) { c[5].Angle += std::numbers::pi; }, OneTrait },
        LikenessCase { "AnglesMeetTheShorterWayRound", [](GeneticCode& c) { c[5].Angle += 2 * std::numbers::pi - 0.1; },
            OneTrait * 0.1 / std::numbers::pi },
        LikenessCase { "DoneSwitched", [](GeneticCode& c) { c[7].Done = !c[7].Done; }, OneTrait },
        LikenessCase { "DrawSwitched", [](GeneticCode& c) { c[8].Draw = !c[8].Draw; }, OneTrait },
        LikenessCase { "BeyondItsRangeCountsOnce", [](GeneticCode& c) { c[9].Length = 30000; }, OneTrait }),
    CaseNames::testName);

} // namespace
