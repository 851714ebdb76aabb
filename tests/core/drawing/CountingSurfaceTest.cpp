#include "core/drawing/CountingSurface.h"

#include "core/drawing/TreeDrawing.h"
#include "support/PictureCodes.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct CountCase {
    const char* name;
    GeneticCode code;
    Drawing::Flags flags;
    int segments;
};

void PrintTo(const CountCase& c, std::ostream* out)
{
    *out << c.name;
}

class CountingSurfaceTest : public testing::TestWithParam<CountCase> { };

TEST_P(CountingSurfaceTest, CountsTheSegmentsItPassesOn)
{
    RecordingSurface drawn;
    CountingSurface counting(drawn);

    counting.Clear();
    Drawing::drawTree(GetParam().code, GetParam().flags, counting);
    counting.Finish();

    EXPECT_EQ(counting.segments(), GetParam().segments);
    EXPECT_EQ(static_cast<int>(drawn.lines.size()), GetParam().segments);
    EXPECT_EQ(drawn.log.front(), 'C');
    EXPECT_EQ(drawn.log.back(), 'F');
}

INSTANTIATE_TEST_SUITE_P(Trees, CountingSurfaceTest,
    testing::Values(CountCase { "FullTree", PictureCodes::wideTree(), {}, 4095 },
        CountCase { "Trunk", PictureCodes::trunk(500, 8, Qt::red), {}, 1 },
        CountCase { "TrunkHidden", PictureCodes::wideTreeWithHiddenTrunk(), { true, true }, 4094 }),
    [](const testing::TestParamInfo<CountCase>& info) { return info.param.name; });

TEST(CountingSurfaceClearTest, ClearingStartsTheCountAgain)
{
    RecordingSurface drawn;
    CountingSurface counting(drawn);
    Drawing::drawTree(PictureCodes::wideTree(), {}, counting);

    counting.Clear();
    Drawing::drawTree(PictureCodes::trunk(500, 8, Qt::red), {}, counting);

    EXPECT_EQ(counting.segments(), 1);
    EXPECT_EQ(drawn.clears, 1);
}

} // namespace
