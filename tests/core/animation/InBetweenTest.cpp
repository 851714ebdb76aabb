// The in-between genetic code: numbers on their way, rounded half away from zero, switches at the midpoint, both
// ends exact; and which moment of a morph each frame shows.

#include "core/animation/InBetween.h"

#include "core/animation/FrameTiming.h"
#include "support/CaseNames.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using CaseNames::PrintTo;

// Length, Width, Angle, ColorRed, ColorGreen, ColorBlue, Done, Draw.
const clsGene betweenFirstGene { 100, 4, 0.7, 10, 20, 30, true, false };
const clsGene betweenSecondGene { -200, 9, -0.3, 250, 0, 7, false, true };

struct InBetweenCase {
    const char* name;
    clsGene first;
    clsGene second;
    double t;
    clsGene expected;
};

class InBetweenTest : public testing::TestWithParam<InBetweenCase> { };

TEST_P(InBetweenTest, GivesEachTraitItsPlaceOnTheWay)
{
    const InBetweenCase& c = GetParam();
    EXPECT_TRUE(sameTraits(InBetween::gene(c.first, c.second, c.t), c.expected));
    // A whole code morphs gene by gene.
    const auto filled = [](const clsGene& gene) {
        GeneticCode code;
        code.fill(gene);
        return code;
    };
    EXPECT_TRUE(sameTraits(InBetween::code(filled(c.first), filled(c.second), c.t), filled(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(Genes, InBetweenTest,
    testing::Values(InBetweenCase { "StartIsTheFirst", betweenFirstGene, betweenSecondGene, 0.0, betweenFirstGene },
        // 0.7 + 1 (-0.3 - 0.7) is not -0.3 in doubles: the end is exact all the same.
        InBetweenCase { "EndIsTheSecondToTheLastBit", betweenFirstGene, betweenSecondGene, 1.0, betweenSecondGene },
        InBetweenCase { "HalfwayRoundsAwayFromZero", { -3, 1, 1.0, 10, 11, -4, true, true },
            { 0, 2, -1.0, 11, 10, -1, false, false }, 0.5, { -2, 2, 0.0, 11, 11, -3, false, false } },
        InBetweenCase { "SwitchesStayTheFirstsJustBeforeHalfway", { 0, 1, 0.0, 0, 0, 0, true, false },
            { 100, 1, 0.0, 0, 0, 0, false, true }, 0.4999, { 50, 1, 0.0, 0, 0, 0, true, false } },
        InBetweenCase { "AnglesAcrossZero", { 0, 0, -2.5, 0, 0, 0, false, false }, { 0, 0, 3.5, 0, 0, 0, false, false },
            0.25, { 0, 0, -1.0, 0, 0, 0, false, false } },
        InBetweenCase { "NegativeAngles", { 0, 0, -0.5, 0, 0, 0, false, false }, { 0, 0, -4.5, 0, 0, 0, false, false },
            0.75, { 0, 0, -3.5, 0, 0, 0, false, false } }),
    CaseNames::testName);

struct FrameTimingCase {
    const char* name;
    int pictures;
    double secondsPerStep;
    int framesPerSecond;
    bool backAndForth;
    int frameCount;
    int loopLength;
    // Frames and where they lie.
    std::vector<std::pair<int, FramePosition>> positions;
    // Places in the loop and the frames they show.
    std::vector<std::pair<int, int>> loop;
};

class FrameTimingTest : public testing::TestWithParam<FrameTimingCase> { };

TEST_P(FrameTimingTest, SaysWhatEachFrameShows)
{
    const FrameTimingCase& c = GetParam();
    const FrameTiming timing(c.pictures, c.secondsPerStep, c.framesPerSecond, c.backAndForth);
    EXPECT_EQ(timing.frameCount(), c.frameCount);
    EXPECT_EQ(timing.loopLength(), c.loopLength);
    for (const auto& [frame, position] : c.positions) {
        EXPECT_EQ(timing.position(frame).step, position.step) << frame;
        EXPECT_DOUBLE_EQ(timing.position(frame).t, position.t) << frame;
    }
    for (const auto& [place, frame] : c.loop)
        EXPECT_EQ(timing.frameOfLoop(place), frame) << place;
}

INSTANTIATE_TEST_SUITE_P(Timings, FrameTimingTest,
    testing::Values(FrameTimingCase { "OneSecondAt30", 2, 1.0, 30, false, 31, 31,
                        { { 0, { 0, 0.0 } }, { 15, { 0, 0.5 } }, { 30, { 0, 1.0 } } }, { { 30, 30 } } },
        FrameTimingCase { "StepsRoundedThroughThreePictures", 3, 0.25, 30, false, 17, 17,
            { { 7, { 0, 7.0 / 8 } }, { 8, { 1, 0.0 } }, { 12, { 1, 0.5 } }, { 16, { 1, 1.0 } } }, {} },
        FrameTimingCase {
            "BackAndForthWithoutRepeatingTheEnds", 2, 0.2, 10, true, 3, 4, {}, { { 0, 0 }, { 2, 2 }, { 3, 1 } } },
        FrameTimingCase { "AtLeastOneFrameAStep", 2, 0.2, 1, false, 2, 2, { { 1, { 0, 1.0 } } }, {} }),
    CaseNames::testName);

TEST(FrameTimingPace, AnotherPaceKeepsTheMomentShown)
{
    const FrameTiming oneSecond(3, 1.0, 30);
    const FrameTiming twoSeconds(3, 2.0, 30);
    EXPECT_EQ(twoSeconds.frameNearest(oneSecond, 45), 90);
    EXPECT_EQ(oneSecond.frameNearest(twoSeconds, 121), 60);
}

} // namespace
