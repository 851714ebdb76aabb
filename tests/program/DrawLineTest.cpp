#include "core/platform/RuntimeError.h"
#include "program/clsObject.h"
#include "support/CaseNames.h"
#include "support/ErrorNumber.h"
#include "support/FakeMainWindow.h"
#include "support/FakePictureWindow.h"
#include "support/ProgramState.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>

namespace {

class DrawLineTest : public ProgramStateTest {
protected:
    DrawLineTest()
    {
        FakePictureWindow::install();
        for (qint16 i = 0; i < 12; ++i) {
            code().SetGLength(i, 100);
            code().SetGWidth(i, static_cast<qint16>(i + 1));
            code().SetGAngle(i, 0.3);
            code().SetGDraw(i, true);
        }
    }

    clsGenSeq& code() { return picture.GenCode(); }
    RecordingSurface& surface() { return static_cast<FakePictureWindow&>(picture.Display()).surface; }

    void drawTree() { picture.Draw_Line(0, clsObject::StartAngle, clsObject::StartX, clsObject::StartY, 1.0); }

    clsObject picture;
};

TEST_F(DrawLineTest, StartsStraightUpFromTheRootBelowTheBottomEdge)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(clsObject::StartAngle), 0xBFF921FA00000000ULL);
    code().SetGLength(0, 500);
    drawTree();
    const RecordedLine& trunk = surface().lines.front();
    EXPECT_EQ(trunk.x1, 850.0F);
    EXPECT_EQ(trunk.y1, 1600.0F);
    EXPECT_EQ(trunk.x2, 850.0F);
    EXPECT_EQ(trunk.y2, 1100.0F);
    EXPECT_EQ(trunk.penWidth, 1);
}

struct SegmentCount {
    const char* name;
    bool useDone;
    int doneGene; // -1: no gene has Done set; 99: every gene has
    std::size_t segments;
};

class DrawLineCountTest : public DrawLineTest, public testing::WithParamInterface<SegmentCount> { };

TEST_P(DrawLineCountTest, DoneCutsTheTreeOnlyWhileUseDoneIsSet)
{
    const SegmentCount& c = GetParam();
    modMain::UseDone = c.useDone;
    for (qint16 i = 0; i < 12; ++i)
        code().SetGDone(i, c.doneGene == 99 || c.doneGene == i);
    drawTree();
    EXPECT_EQ(surface().lines.size(), c.segments);
}

INSTANTIATE_TEST_SUITE_P(Flags, DrawLineCountTest,
    testing::Values(SegmentCount { "NoDoneTrait", true, -1, 4095 }, SegmentCount { "GeneFiveDone", true, 5, 31 },
        SegmentCount { "GeneZeroDone", true, 0, 0 }, SegmentCount { "GeneElevenDone", true, 11, 2047 },
        SegmentCount { "AllDoneButUseDoneOff", false, 99, 4095 }),
    CaseNames::testName);

TEST_F(DrawLineTest, AnInvisibleLevelStillPositionsTheLevelsBelow)
{
    modMain::UseDraw = true;
    code().SetGDraw(0, false);
    code().SetGLength(0, 640);
    code().SetGWidth(0, 7);
    drawTree();

    ASSERT_EQ(surface().lines.size(), 4094U);
    const RecordedLine& firstBranch = surface().lines.front();
    EXPECT_EQ(firstBranch.x1, 850.0F);
    EXPECT_EQ(firstBranch.y1, 960.0F);
    // The invisible trunk still set its pen width before it was skipped.
    EXPECT_EQ(surface().log.substr(0, 3), "WWL");
}

TEST_F(DrawLineTest, UseDrawOffDrawsSegmentsWhoseDrawTraitIsFalse)
{
    for (qint16 i = 0; i < 12; ++i)
        code().SetGDraw(i, false);
    drawTree();
    EXPECT_EQ(surface().lines.size(), 4095U);
}

TEST_F(DrawLineTest, BranchesAreDrawnDepthFirstAndTurnBothWays)
{
    code().SetGAngle(0, 0.5);
    drawTree();
    const auto& lines = surface().lines;
    // Trunk, then the first branch of level 1, then its own first branch of level 2.
    EXPECT_EQ(lines[1].x1, lines[0].x2);
    EXPECT_EQ(lines[1].y1, lines[0].y2);
    EXPECT_EQ(lines[2].x1, lines[1].x2);
    EXPECT_EQ(lines[2].y1, lines[1].y2);
    // The second branch of level 1 is the mirror image of the first: it comes after the
    // first branch's whole subtree of 2047 segments.
    const RecordedLine& second = lines[1 + 2047];
    EXPECT_EQ(second.x1, lines[0].x2);
    EXPECT_FLOAT_EQ(second.x2 - 850.0F, -(lines[1].x2 - 850.0F));
    EXPECT_EQ(second.y2, lines[1].y2);
}

TEST_F(DrawLineTest, GeneNumbersOutsideTheCodeDrawNothingAndElevenDrawsOne)
{
    picture.Draw_Line(12, 0.0, 100, 100, 1.0);
    picture.Draw_Line(-1, 0.0, 100, 100, 1.0);
    EXPECT_TRUE(surface().lines.empty());
    picture.Draw_Line(11, 0.0, 100, 100, 1.0);
    EXPECT_EQ(surface().lines.size(), 1U);
}

struct Tie {
    const char* name;
    qint16 length;
    float expectedX;
};

class DrawLineRoundingTest : public DrawLineTest, public testing::WithParamInterface<Tie> { };

TEST_P(DrawLineRoundingTest, EndPointsRoundHalvesToEven)
{
    code().SetGLength(11, GetParam().length);
    // A factor of one half puts the end exactly half a unit past a whole number.
    picture.Draw_Line(11, 0.0, 1600, 0, 0.5);
    EXPECT_EQ(surface().lines.front().x2, GetParam().expectedX);
}

INSTANTIATE_TEST_SUITE_P(Ties, DrawLineRoundingTest,
    testing::Values(Tie { "OneAndAHalfUp", 1, 1600.0F }, Tie { "ThreeHalvesUp", 3, 1602.0F },
        Tie { "FiveHalvesUp", 5, 1602.0F }, Tie { "HalfDown", -1, 1600.0F }, Tie { "ThreeHalvesDown", -3, 1598.0F }),
    CaseNames::testName);

TEST_F(DrawLineTest, ColourComponentsOutsideTheirRangeDrawClamped)
{
    code().SetGColorRed(0, 300);
    code().SetGColorGreen(0, -5);
    code().SetGColorBlue(0, 128);
    drawTree();
    EXPECT_EQ(surface().lines.front().colour, 255 + 0 * 256 + 128 * 65536);
    EXPECT_EQ(code().GetGColorRed(0), 300);
}

TEST_F(DrawLineTest, AnEndPointBeyondSixteenBitsIsAnOverflow)
{
    code().SetGLength(0, 30000);
    code().SetGLength(1, 30000);
    code().SetGAngle(0, 0.0);
    const std::optional<RuntimeError> error = errorRaisedBy([&] { drawTree(); });
    ASSERT_TRUE(error.has_value()) << "no overflow";
    EXPECT_EQ(error->number(), 6);
    EXPECT_TRUE(error->concerns().contains(QStringLiteral("gene 1"))) << error->concerns().toStdString();
    EXPECT_EQ(surface().lines.size(), 1U);
}

TEST_F(DrawLineTest, ANonFiniteDirectionIsAnOverflow)
{
    code().SetGAngle(0, 1e308);
    code().SetGAngle(1, 1e308);
    EXPECT_EQ(errorOf([&] { drawTree(); }), 6);
}

} // namespace
